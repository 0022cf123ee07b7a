// "Výpočet" over projects built from fuzzed tables: the run ends only with
// kvor::Error, and no text it writes, shown value or working table cell, is
// "INF" or "NAN", whether the run ends normally or with the error report.
//
// Input: byte 0 picks the decimal separator; the rest fills the five influence
// lines and the five tendons (status, type, points) through FuzzedDataProvider.

#include "evaluation/evaluation_run.h"
#include "fuzz_check.h"
#include "model/error.h"
#include "model/numbers.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <string>

using kvor::fuzz::require;

namespace {

// A cell text: mostly small stations and values, so that runs get far, and now
// and then one at the edges of the range or no number at all.
std::string fuzzedCell(FuzzedDataProvider& in, char sep)
{
    static constexpr std::array<std::string_view, 12> kEdgeTexts = {
        "", "x", "1E4000", "-1E4000", "1E4932", "-1,1E4932", "1E-4950", "-0", "0", "1E-4000", "9E999", " 5 "};
    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
        return std::string(kEdgeTexts[in.ConsumeIntegralInRange<size_t>(0, kEdgeTexts.size() - 1)]);
    case 1: {
        // Any extended value the bytes give, as the system writes it.
        const long double x = in.ConsumeFloatingPoint<double>() * std::pow(10.0L, in.ConsumeIntegralInRange(-4000, 4000));
        return std::isfinite(x) ? kvor::formatNumber(x, sep) : "1E4000";
    }
    case 2:
        return in.ConsumeRandomLengthString(12);
    default:
        return kvor::formatNumber(in.ConsumeIntegralInRange(-40, 40) / 4.0L, sep);
    }
}

// Rows 1..n of a table with `columns` columns; stations (column 0) usually ascend.
void fillTable(FuzzedDataProvider& in, kvor::TextTable& table, int columns, char sep)
{
    const int rows = in.ConsumeIntegralInRange(0, 6);
    table.resize(rows + 1, columns);
    long double station = in.ConsumeIntegralInRange(-2, 2);
    for (int r = 1; r <= rows; ++r) {
        const bool ascending = in.ConsumeIntegralInRange(0, 3) != 0;
        station += in.ConsumeIntegralInRange(0, 4);
        table.setCell(r, 0, ascending ? kvor::formatNumber(station, sep) : fuzzedCell(in, sep));
        for (int c = 1; c < columns; ++c)
            table.setCell(r, c, fuzzedCell(in, sep));
    }
}

kvor::Project fuzzedProject(FuzzedDataProvider& in, char sep)
{
    kvor::Project p;
    for (kvor::QuantitySlot& q : p.quantities) {
        q.shown = true;
        q.status = in.ConsumeBool() ? kvor::SlotStatus::Entered : kvor::SlotStatus::NotEntered;
        q.kindText = kvor::kQuantityKindLabels[in.ConsumeIntegralInRange<size_t>(0, 4)];
        fillTable(in, q.line, 2, sep);
    }
    for (kvor::TendonSlot& t : p.tendons) {
        t.shown = true;
        t.status = in.ConsumeBool() ? kvor::SlotStatus::Entered : kvor::SlotStatus::NotEntered;
        t.type = static_cast<kvor::TendonType>(in.ConsumeIntegralInRange(-1, 4));
        fillTable(in, t.points, 3, sep);
    }
    return p;
}

bool looksNotANumber(std::string_view text)
{
    return text.find("INF") != std::string_view::npos || text.find("NAN") != std::string_view::npos ||
           text.find("inf") != std::string_view::npos || text.find("nan") != std::string_view::npos;
}

// Every text the run writes: values, group sums, derivative and tendon tables.
void checkWrittenTexts(const kvor::EvaluationResult& r, char sep)
{
    for (int q = 0; q < kvor::kSlotCount; ++q) {
        for (int t = 0; t < kvor::kSlotCount; ++t) {
            const std::string& v = r.value[q][t];
            require(v.empty() || v == "###" || kvor::parseNumber(v, sep).has_value(),
                    "a shown value is a number text, \"###\" or empty", v);
        }
        const kvor::TextTable& d = r.derivatives[q];
        for (int row = 1; row < d.rowCount(); ++row)
            require(!looksNotANumber(d.cell(row, 1)), "a slope is a number", std::string(d.cell(row, 1)));
        for (int t = 0; t < kvor::kSlotCount; ++t) {
            const kvor::TextTable& table = r.tendonTables[q][t];
            // Columns 1 to 3 are copied as typed; 4 to 8 are computed.
            for (int row = 1; row < table.rowCount(); ++row)
                for (int c = 4; c < table.colCount(); ++c)
                    require(!looksNotANumber(table.cell(row, c)), "a computed tendon table cell is a number",
                            std::string(table.cell(row, c)));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const char sep = kvor::fuzz::separatorFrom(data[0]);
    FuzzedDataProvider in(data + 1, size - 1);
    kvor::Project project = fuzzedProject(in, sep);
    if (kvor::checkEvaluationPreconditions(project))
        return 0;
    try {
        kvor::evaluateProject(project, sep);
    } catch (const kvor::Error&) {
        // The error report; what was written before it stays and is checked below.
    }
    checkWrittenTexts(project.results, sep);
    return 0;
}
