#pragma once
// Checks of an influence-line table (row 0 headings, rows 1..n the points:
// column 0 station in metres, column 1 ordinate). Numbers are read with the
// locale's decimal separator and compared in extended precision. A check
// returns the first fault as its message text; rows are counted from 1.

#include "model/project.h"
#include "model/report.h"
#include "model/text_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

// Message openings of checkNumberColumn for the first and the second column.
inline constexpr std::string_view kFirstColumnOpening = "Políčko v 1.sloupci a ";
inline constexpr std::string_view kSecondColumnOpening = "Políčko v 2.sloupci a ";

// A cell of `row` that holds no number: `opening` + row + ".řádku neobsahuje číslo!".
std::string notANumberMessage(std::string_view opening, int row);

// Stations of rows 1..n in `column`: each a number, not negative, not above
// the total length (equal passes), and not below the station of the row before
// (equal passes). Also used for the point table of a broken tendon.
std::optional<std::string> checkStationColumn(const TextTable& table, int column,
                                              long double totalLength, char sep);

// The same check, with the row of the fault (1-based). `numbers`, when
// given, gets the value of every row that passed, in row order: a caller that
// needs the numbers of a column that passes has them without reading it again.
struct ColumnFault {
    std::string message;
    int row = 0;
};
std::optional<ColumnFault> findStationFault(const TextTable& table, int column, long double totalLength,
                                            char sep, std::vector<long double>* numbers = nullptr);

// Every cell of rows 1..n in `column` is a number; the fault is
// notANumberMessage(opening, row).
std::optional<std::string> checkNumberColumn(const TextTable& table, int column,
                                             std::string_view opening, char sep);
// The same check, with the row of the fault and, as above, the numbers.
std::optional<ColumnFault> findNumberFault(const TextTable& table, int column, std::string_view opening, char sep,
                                           std::vector<long double>* numbers = nullptr);

// The check run when the focus leaves the entry table of the influence-line
// dialog. The total beam length is obtained first, so a length text that is no
// number throws the conversion error before any cell is looked at. Then the
// stations (column 0) and, whatever they gave, the ordinates (column 1) are
// checked: up to two reports in that order, each putting the focus back into
// the table (LinePoints) and beeping after its message.
Reports checkInfluenceTable(const BeamModel& beam, const TextTable& entryTable, char sep);

// The station X of the section a line typed in or read from a file belongs to
// (a generated line knows its X): optional (empty passes); when given, a number on the beam,
// 0 <= X <= L (the total length, obtained first as for the table check).
// A fault beeps after its message and puts the focus back into the field.
std::optional<Report> checkSectionStation(const BeamModel& beam, std::string_view station, char sep);

}  // namespace kvor
