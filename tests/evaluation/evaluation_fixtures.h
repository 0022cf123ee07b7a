#pragma once
// Small builders shared by the evaluation tests.

#include "model/text_table.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace kvor::testing {

// A station table (influence line or derivative table): row 0 headings, then one row per pair.
inline TextTable stationTable(std::initializer_list<std::pair<std::string_view, std::string_view>> rows)
{
    TextTable t(static_cast<int>(rows.size()) + 1, 2);
    t.setRow(0, {"Staničení [m]", "Pořadnice"});
    int r = 1;
    for (const auto& [s, v] : rows)
        t.setRow(r++, {s, v});
    return t;
}

struct PointRow {
    std::string_view station, eccentricity, force;
};

// A tendon store table: row 0 headings, then one row per point.
inline TextTable tendonStore(std::initializer_list<PointRow> rows)
{
    TextTable t(static_cast<int>(rows.size()) + 1, 3);
    t.setRow(0, {"Staničení", "Excentricita", "Předpínací síla"});
    int r = 1;
    for (const PointRow& p : rows)
        t.setRow(r++, {p.station, p.eccentricity, p.force});
    return t;
}

// The influence line (0; 0), (5; 2,5), (10; 0) of the worked examples.
inline TextTable triangleLine() { return stationTable({{"0", "0"}, {"5", "2,5"}, {"10", "0"}}); }

}  // namespace kvor::testing
