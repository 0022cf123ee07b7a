#include "chart_test_support.h"

#include "ui/charts/slot_chart_panel.h"

#include <QChart>
#include <QElapsedTimer>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace kvor;
using namespace kvor::ui;
using namespace kvor::ui::testing;

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 128, 0), kMaroon(128, 0, 0), kBlack(0, 0, 0);
const QColor kSilver(0xC0, 0xC0, 0xC0);

QImage renderShown(QWidget* window, ChartPanel* panel)
{
    window->show();
    QApplication::processEvents();
    return panel->chartView()->grab().toImage();
}

void expectNotBlank(const QImage& image)
{
    ASSERT_FALSE(image.isNull());
    const int all = image.width() * image.height();
    EXPECT_LT(pixelsOfColour(image, kSilver), all * 95 / 100) << "the chart is (nearly) blank";
}

}  // namespace

TEST(ChartRendering, InfluenceChartShowsEverySlotColour)
{
    auto window = std::make_unique<QWidget>();
    auto* panel = new SlotChartPanel(SlotKind::Quantity, window.get());
    Project project;
    project.beam.length = "20";
    const char* heights[] = {"1", "2", "3", "4", "5"};
    for (int q = 0; q < kSlotCount; ++q)
        storeInfluenceLineAndChoose(project.quantities[q], {{"0", heights[q]}, {"20", heights[q]}});
    RecordingMessageService messages;
    panel->draw(project, ',', messages);

    const QImage image = renderShown(window.get(), panel);

    expectNotBlank(image);
    for (const QColor& colour : {kRed, kBlue, kGreen, kMaroon, kBlack})
        EXPECT_GT(pixelsOfColour(image, colour), 100) << colour.name().toStdString();
}

TEST(ChartRendering, TendonChartShowsTheOutlineAndTheTendonColours)
{
    auto window = std::make_unique<QWidget>();
    auto* panel = new SlotChartPanel(SlotKind::Tendon, window.get());
    Project project;
    setContinuousBeam(project, {"10", "12"});
    project.section.eBottom = "0,3";
    project.section.eTop = "-0,3";
    storeStraightTendonAndChoose(project.tendons[0], "0", "22", "0,2");
    storeStraightTendonAndChoose(project.tendons[2], "0", "22", "-0,1");
    storeStraightTendonAndChoose(project.tendons[3], "0", "22", "0,1");
    RecordingMessageService messages;
    panel->draw(project, ',', messages);

    const QImage image = renderShown(window.get(), panel);

    expectNotBlank(image);
    for (const QColor& colour : {kRed, kGreen, kMaroon, kBlack})
        EXPECT_GT(pixelsOfColour(image, colour), 100) << colour.name().toStdString();
    EXPECT_EQ(pixelsOfColour(image, kBlue), 0) << "tendon 2 was not chosen";
}

// Drawing and painting the largest influence line (32750 points) must not
// stall the window: one replace() per line, raster painting.
TEST(ChartRendering, TheLargestLinesDrawWithoutAStall)
{
    auto window = std::make_unique<QWidget>();
    auto* panel = new SlotChartPanel(SlotKind::Quantity, window.get());
    window->show();
    Project project;
    project.beam.length = "32749";
    TextTable entry(32751, 2);
    for (int i = 0; i < 32750; ++i)
        entry.setRow(i + 1, {std::to_string(i), i % 2 ? "0,5" : "-0,5"});
    for (int q = 0; q < kSlotCount; ++q) {
        project.quantities[q].line = entry;
        project.quantities[q].status = SlotStatus::Entered;
        project.quantities[q].shown = true;
        project.quantities[q].draw = true;
    }
    RecordingMessageService messages;

    QElapsedTimer timer;
    timer.start();
    panel->draw(project, ',', messages);
    const qint64 drawMs = timer.elapsed();
    const QImage image = panel->chartView()->grab().toImage();
    const qint64 totalMs = timer.elapsed();

    std::printf("[ timing   ] 5 lines of 32750 points: draw %lld ms, draw and paint %lld ms\n",
                static_cast<long long>(drawMs), static_cast<long long>(totalMs));
    EXPECT_TRUE(messages.events.isEmpty());
    EXPECT_EQ(panel->chartView()->chart()->series().size(), 6);
    EXPECT_FALSE(image.isNull());
    EXPECT_LT(totalMs, 3000) << "a visible stall";
}
