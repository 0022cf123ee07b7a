#pragma once
// Helpers of the chart window tests: an offscreen application, a message
// service that records instead of showing, projects with stored lines and
// tendons, and access to what a chart shows.

#include "model/project.h"
#include "ui/message_service.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLineSeries>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>
#include <utility>

class QChart;

namespace kvor::ui::test {

// The application the widgets need, on the offscreen platform.
void ensureApplication();

// Records "message: …", "error: …" and "beep" in order.
class RecordingMessages final : public MessageService {
public:
    QStringList events;

protected:
    void showMessage(const QString& text) override { events << QStringLiteral("message: ") + text; }
    void showErrorBox(const QString& text) override { events << QStringLiteral("error: ") + text; }
    void soundBeep() override { events << QStringLiteral("beep"); }
};

using TextRows = std::initializer_list<std::pair<const char*, const char*>>;

void storeInfluenceLineAndChoose(QuantitySlot& slot, TextRows rows);
void storeStraightTendonAndChoose(TendonSlot& slot, const char* s1, const char* s2, const char* e);
void setContinuousBeam(Project& project, std::initializer_list<const char*> lengths);

// The chart's line of that name, or nullptr.
QLineSeries* lineNamed(QChart* chart, const QString& name);
QStringList lineNames(QChart* chart);

// How many pixels of the image have exactly this colour.
int pixelsOfColour(const QImage& image, QColor colour);

}  // namespace kvor::ui::test
