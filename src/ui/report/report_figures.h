#pragma once
// The figures of the calculation report as pictures: the beam as an engineer
// sketches it, the section's outline, and the charts of an influence line, a
// tendon's layout and a stressed tendon's forces, drawn by the program's own
// chart views.

#include "model/project.h"
#include "report/report_content.h"

#include <QImage>

namespace kvor::ui {

struct ReportImage {
    QImage image;
    double widthMm;  // the width it takes on the page
};

// The picture of `figure` (of quantity or tendon `slot`, 0-based, where it has one).
ReportImage reportFigure(const Project& project, ReportFigure figure, int slot, char sep);

}  // namespace kvor::ui
