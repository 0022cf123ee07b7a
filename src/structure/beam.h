#pragma once
// The beam: a simple beam of span L or a continuous beam of 2 to 15 members.
//
// A simple beam is entered by its span L, a continuous beam by its member
// count and member table; the fields of the other kind keep their texts.

#include "model/project.h"
#include "model/report.h"

#include <optional>

namespace kvor {

// The range of the member count.
constexpr int kMinMemberCount = 2;
constexpr int kMaxMemberCount = 15;

// Total length in metres: L of a simple beam; for a continuous beam the sum, in
// row order from 0, of the member lengths in rows 1..n; taken as the value its
// 15-digit text reads back as, so that it equals the beam's end written as a
// station. A text that is no number throws the conversion error.
long double totalBeamLength(const BeamModel& beam, char decimalSeparator);

// Presence test only, no text is converted: L (simple) or the first member's
// length (continuous), and e_d and e_h of the section, are all non-empty.
bool structureEntered(const Project& project);

// Rebuilds the member table for the count in `memberCountText` (whenever the
// count changes) and returns the count n it was built for: n + 1 rows, the
// headings in row 0, the numbers "1".."n" in column 0; column 1 (lengths
// already typed) is kept in the rows that remain, and rows that come back
// show the lengths they had when a lower count took them away (kept in
// lengthsPutAside).
//   - A text that is no integer throws "'%s' is not a valid integer value";
//     nothing is changed.
//   - An integer outside 2..15 (0, 1, 16, 99999999: stepping the count never
//     gives one, but it can be typed) is clamped into 2..15 and the clamped
//     text is written back into `memberCountText`, so the count field shows it. No
//     empty or giant table can come of a typed count.
int rebuildMemberTable(BeamModel& beam);

// Leaving the span: L must be a number above 0. On failure: focus on the span
// (BeamLength), the message, then a beep. The text stays as typed.
std::optional<Report> checkSpan(const BeamModel& beam, char decimalSeparator);

// Leaving the member table: the length in column 1 of every row 1..n must be a
// number above 0; the first failing row (= member number) is reported, focus
// on the member table (MemberLengths). A cell that is no number is reported without a beep, a length
// not above 0 with a beep after the message.
std::optional<Report> checkMemberLengths(const BeamModel& beam, char decimalSeparator);

}  // namespace kvor
