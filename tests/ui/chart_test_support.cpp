#include "chart_test_support.h"

#include "model/slots.h"
#include "tendons/tendon_store.h"

#include <QChart>

#include <stdexcept>

namespace kvor::ui::testing {

void storeInfluenceLineAndChoose(QuantitySlot& slot, TextRows rows)
{
    TextTable entry(static_cast<int>(rows.size()) + 1, 2);
    int r = 1;
    for (const auto& [station, ordinate] : rows)
        entry.setRow(r++, {station, ordinate});
    slot.shown = true;
    storeInfluenceLine(slot, entry, EntryMode::Manual, "");
    slot.draw = true;
}

void storeStraightTendonAndChoose(TendonSlot& slot, const char* s1, const char* s2, const char* e)
{
    slot.shown = true;
    if (storeTendon(slot, StraightTendonInput{s1, s2, e, "-1000"}))
        throw std::logic_error("tendon not stored");
    slot.draw = true;
}

void setContinuousBeam(Project& project, std::initializer_list<const char*> lengths)
{
    project.beam.kind = BeamKind::Continuous;
    project.beam.members.resize(static_cast<int>(lengths.size()) + 1, 2);
    int r = 1;
    for (const char* length : lengths) {
        project.beam.members.setRow(r, {std::to_string(r), length});
        ++r;
    }
}

QLineSeries* lineNamed(QChart* chart, const QString& name)
{
    for (QAbstractSeries* series : chart->series())
        if (series->name() == name)
            return qobject_cast<QLineSeries*>(series);
    return nullptr;
}

QStringList lineNames(QChart* chart)
{
    QStringList names;
    for (QAbstractSeries* series : chart->series())
        names << series->name();
    return names;
}

int pixelsOfColour(const QImage& image, QColor colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb wanted = colour.rgb();
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            count += (line[x] | 0xFF000000u) == (wanted | 0xFF000000u);
    }
    return count;
}

}  // namespace kvor::ui::testing
