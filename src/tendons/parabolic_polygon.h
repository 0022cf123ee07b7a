#pragma once
// Parabolic tendons (types 2 "prostý parabolický", 3 "složený parabolický",
// 4 "kombinovaný") and the fine polygon that stands for them.
//
// Store table of these types (4 columns, row 0 headings "Staničení",
// "Excentricita", "Předpínací síla", "Excentricita uprostřed"): row r (1..n-1)
// holds point r and the force and mid-eccentricity m(r) of the segment from
// point r to point r + 1; row n holds point n, repeats the last segment's force
// and has an empty m. m is the eccentricity of the tendon at the middle station
// of its segment (positive downwards, as every eccentricity). Type 2 has one
// segment, type 3 only parabolic segments, type 4 a parabolic segment where m
// is given and a straight one where it is empty.
//
// Each parabolic segment from point a to point b is replaced by D chords: with
// the sag f = m - (e_a + e_b) / 2 and t = j / D for j = 1..D-1 the points
//     x = x_a + (x_b - x_a) · t
//     e = e_a + (e_b - e_a) · t + 4 · f · t · (1 - t)
// are inserted between a and b, in extended precision evaluated left to right,
// each written as its 15-digit text and carrying the force text of row a. The
// given points keep their own texts; a straight segment adds no points. The
// polygon is a broken tendon's store table and is evaluated as one.

#include "model/project.h"
#include "model/text_table.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace kvor {

constexpr int kMinDivisions = 1;
constexpr int kMaxDivisions = 1000;
// A hundred chords keep the secondary moment within a few parts in 10⁴ of the
// parabola's (its error falls as 1/D²); a stored tendon keeps its own D.
inline constexpr std::string_view kDefaultDivisions = "100";
// A polygon holds at most as many points as a broken tendon may have.
constexpr int kMaxPolygonPoints = 32766;

// Column of the mid-eccentricity in the store table, and its heading.
constexpr int kMidEccentricityColumn = 3;
inline constexpr std::string_view kMidEccentricityHeading = "Excentricita uprostřed";

// Types 2, 3 and 4.
bool isParabolicType(TendonType type);

// What the tendon tables say under a tendon's column about the points its
// table lists: the points as given for a straight or broken tendon, the
// points of the chords for a parabolic one.
std::string tendonTableNote(TendonType type);

// Whether segment k (from row k to row k + 1) of a store table of `type` is
// parabolic: always for types 2 and 3, for type 4 when its m text is not empty.
bool segmentIsParabolic(const TextTable& store, TendonType type, int k);

// D from its text: a whole number 1..1000, nothing otherwise.
std::optional<int> parseDivisions(std::string_view text);

// Points of the polygon: the n given points and D - 1 more per parabolic segment.
long long polygonPointCount(const TextTable& store, TendonType type, int divisions);

// The polygon as a broken tendon's store table (3 columns, its headings).
// Throws kvor::Error: the conversion error for a text that is no number, the
// overflow of a value that is no finite number, and the count message of
// checkParabolicTendon for more than 32766 points.
TextTable parabolicPolygon(const TextTable& store, TendonType type, int divisions, char sep);

// The polygon of a stored tendon of type 2 to 4; a D text that is no whole
// number 1..1000 throws the D message of checkParabolicTendon.
TextTable parabolicPolygon(const TendonSlot& slot, char sep);

// The same polygon as numbers, without forming its texts: each point's
// station and eccentricity (a given point's as its text reads, a chord
// point's as the formula gives it, before it is written with 15 digits), and
// the store's segment it lies on (0-based: the segment from store row
// `segment` + 1; a given point counts to the segment it starts).
struct PolygonVertex {
    long double x;
    long double e;
    int segment;
};
std::vector<PolygonVertex> parabolicPolygonVertices(const TendonSlot& slot, char sep);
// The same, point by point in order, without keeping them; the count first.
void forEachPolygonVertex(const TendonSlot& slot, char sep, const std::function<void(size_t count)>& start,
                          const std::function<void(const PolygonVertex&)>& visit);

// What the chords cost: the largest distance between a parabolic segment and
// its D chords, |f|/D² with f the segment's sag [m] (a chord of a parabola
// lies f/D² from it at its middle). Nothing while D is no whole number
// 1..1000 or no parabolic segment has numbers for its three eccentricities.
std::optional<long double> chordDeviation(const TextTable& store, TendonType type, std::string_view divisions,
                                          char sep);
// The same as the note shown beside D ("Tětivy se od paraboly odchylují
// nejvýše o f/D² = 0,25 mm."), empty when there is nothing to say.
std::string chordDeviationNote(const TextTable& store, TendonType type, std::string_view divisions, char sep);

// The messages the polygon shares with the checks.
std::string divisionsMessage();
std::string polygonTooLargeMessage(long long points);

}  // namespace kvor
