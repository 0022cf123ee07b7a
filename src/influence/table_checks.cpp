#include "influence/table_checks.h"

#include "model/numbers.h"
#include "structure/beam.h"

#include <algorithm>

namespace kvor {
namespace {

std::string rowText(int row) { return formatInteger(row); }

}  // namespace

std::string notANumberMessage(std::string_view opening, int row)
{
    return std::string(opening) + rowText(row) + ".řádku neobsahuje číslo!";
}

std::optional<ColumnFault> findStationFault(const TextTable& table, int column, long double totalLength,
                                            char sep, std::vector<long double>* numbers)
{
    const int lastRow = table.rowCount() - 1;
    if (numbers)
        numbers->reserve(static_cast<size_t>(std::max(lastRow, 0)));
    long double previous = 0.0L;
    for (int r = 1; r <= lastRow; ++r) {
        const auto station = parseNumber(table.cell(r, column), sep);
        if (!station)
            return ColumnFault{notANumberMessage(kFirstColumnOpening, r), r};
        if (*station < 0.0L)
            return ColumnFault{"Staničení v " + rowText(r) + ".řádku musí být nezáporné!", r};
        if (*station > totalLength)
            return ColumnFault{"Staničení v " + rowText(r) + ".řádku nemůže být větší než celková délka nosníku!", r};
        // Row r - 1 passed as a number one step earlier; its value is reused.
        if (r > 1 && previous > *station)
            return ColumnFault{"Staničení nesmí být zadáváno sestupně, staničení v " + rowText(r) +
                                   ".řádku je menší než v " + rowText(r - 1) + ".řádku!",
                               r};
        previous = *station;
        if (numbers)
            numbers->push_back(*station);
    }
    return std::nullopt;
}

std::optional<std::string> checkStationColumn(const TextTable& table, int column,
                                              long double totalLength, char sep)
{
    if (auto fault = findStationFault(table, column, totalLength, sep))
        return std::move(fault->message);
    return std::nullopt;
}

std::optional<ColumnFault> findNumberFault(const TextTable& table, int column, std::string_view opening, char sep,
                                           std::vector<long double>* numbers)
{
    const int lastRow = table.rowCount() - 1;
    if (numbers)
        numbers->reserve(static_cast<size_t>(std::max(lastRow, 0)));
    for (int r = 1; r <= lastRow; ++r) {
        const auto number = parseNumber(table.cell(r, column), sep);
        if (!number)
            return ColumnFault{notANumberMessage(opening, r), r};
        if (numbers)
            numbers->push_back(*number);
    }
    return std::nullopt;
}

std::optional<std::string> checkNumberColumn(const TextTable& table, int column,
                                             std::string_view opening, char sep)
{
    if (auto fault = findNumberFault(table, column, opening, sep))
        return std::move(fault->message);
    return std::nullopt;
}

Reports checkInfluenceTable(const BeamModel& beam, const TextTable& entryTable, char sep)
{
    const long double totalLength = totalBeamLength(beam, sep);
    Reports reports;
    const auto report = [&reports](std::string message) {
        reports.push_back(Report{std::move(message), Beep::AfterMessage, Field::LinePoints, std::nullopt});
    };
    if (auto fault = checkStationColumn(entryTable, 0, totalLength, sep))
        report(std::move(*fault));
    if (auto fault = checkNumberColumn(entryTable, 1, kSecondColumnOpening, sep))
        report(std::move(*fault));
    return reports;
}

std::optional<Report> checkSectionStation(const BeamModel& beam, std::string_view station, char sep)
{
    if (station.empty())
        return std::nullopt;
    const long double totalLength = totalBeamLength(beam, sep);
    const auto fault = [](std::string message) {
        return Report{std::move(message), Beep::AfterMessage, Field::LineSectionStation, std::nullopt};
    };
    const auto x = parseNumber(station, sep);
    if (!x)
        return fault("Staničení posuzovaného průřezu X musí být zadáno jako číslo!");
    if (*x < 0 || *x > totalLength)
        return fault("Staničení posuzovaného průřezu X musí ležet na nosníku, od 0 do " +
                     formatNumber(totalLength, sep) + " m!");
    return std::nullopt;
}

}  // namespace kvor
