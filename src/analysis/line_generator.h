#pragma once
// Influence lines generated from the beam itself: the stations, the exact
// ordinates and the influence-line file text that the file reader accepts.
//
// Stations: k·H for k = 0, 1, … while k·H < L (k·H in long double), every
// support station, the target station X and the beam's end L. Each is written
// as its 15-significant-digit text with a decimal point; stations with equal
// texts are one station; ascending. For the shear force X appears twice: the
// first row holds the ordinate for the load just left of X, the second for the
// load just right of it. At most kMaxGeneratedPoints rows.
//
// X is compared with the supports and with L by its text, so a station that
// prints as a support is that support.

#include "analysis/beam_influence.h"
#include "model/project.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

constexpr int kMaxGeneratedSpans = 15;
constexpr int kMaxGeneratedPoints = 32750;  // the influence line's limit
inline constexpr long double kDefaultGeneratorStep = 0.1L;

// The codes of the kinds on the command line and in the project file:
// "M", "V", "R", "w", "fi".
const char* lineKindCode(LineKind kind);
std::optional<LineKind> lineKindOfCode(std::string_view code);
// The kind of a quantity slot (none for a kind text that is no kind label).
std::optional<LineKind> lineKindOf(QuantityKind kind);
// Deflection and rotation need the bending stiffness.
bool lineNeedsStiffness(LineKind kind);

struct LineRequest {
    LineKind kind = LineKind::Moment;
    std::vector<long double> spans;   // metres, 1 to 15
    long double station = 0;          // X [m]
    long double step = kDefaultGeneratorStep;  // H [m]
    std::optional<long double> ei;    // kNm², needed for w and φ
};

// One row of a generated line: both texts in the general number format with a
// decimal point.
struct LinePoint {
    std::string station;
    std::string ordinate;

    bool operator==(const LinePoint&) const = default;
};

// A generated line, or the Czech message of what is wrong with the request
// (then no points). `slopes` holds the exact slope of the line at each point,
// from both sides where it kinks (the moment's line at X).
struct GeneratedLine {
    std::string fault;
    std::vector<LinePoint> points;
    std::vector<StationSlopes> slopes;
};

GeneratedLine generateLine(const LineRequest& request);

// The support stations' texts, from the beam's start (supports a, b, c, …).
std::vector<std::string> supportStationTexts(const std::vector<long double>& spans);
// The engineer's name of support i: "a", "b", "c", …
std::string supportName(int i);

// The influence-line file: one point a line, "station<TAB>ordinate", LF ends.
std::string lineFileText(const std::vector<LinePoint>& points);

}  // namespace kvor
