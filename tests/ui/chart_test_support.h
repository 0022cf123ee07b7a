#pragma once
// Helpers of the chart tests: projects with stored influence lines and
// tendons, and access to what a chart shows.

#include "model/project.h"
#include "support/ui_test_support.h"

#include <QColor>
#include <QImage>
#include <QLineSeries>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

class QChart;

namespace kvor::ui::testing {

using TextRows = std::initializer_list<std::pair<const char*, const char*>>;

void storeInfluenceLineAndChoose(QuantitySlot& slot, TextRows rows);
void storeStraightTendonAndChoose(TendonSlot& slot, const char* s1, const char* s2, const char* e);
void setContinuousBeam(Project& project, std::initializer_list<const char*> lengths);

// The chart's line of that name, or nullptr.
QLineSeries* lineNamed(QChart* chart, const QString& name);
QStringList lineNames(QChart* chart);

// How many pixels of the image have exactly this colour.
int pixelsOfColour(const QImage& image, QColor colour);

}  // namespace kvor::ui::testing
