#pragma once
// What kvor-calc prints: UTF-8 lines of TAB-separated fields, each ending with LF.
//
//   q  caption  comment  unit  v1 .. v5        an evaluated quantity slot q (1..5)
//   q  Veličina nebyla vyhodnocována!         a slot that was not evaluated
//   skupina  s1 .. s5                          the group sums ("###": slot not entered)
//   [derivace]  q    + the rows of its derivative table, headings included
//   [kabel]  q  t    + the rows of its tendon table, headings included
//   [napětí]  q  X   + the section check of quantity q at X, headings included
//   [napětí]  message                         the section values are missing
//   [zatížení]  g0  g1  q  nápravy  n         the loads, then the heading
//   veličina  G0  G1  Q+  Q-  T+  p+  d+  T-  p-  d-
//   q  G0 .. d-                               the effects on each entered quantity q
//   [posouzení]  q  X + the stress check of quantity q at X, headings included
//   [posouzení]  message                      an input of the check is missing
//
// A TAB, CR or LF inside a text would break this layout, so each is printed
// as a blank; every other character is printed as it stands.

#include "check/stress_check.h"
#include "loads/project_loads.h"
#include "model/project.h"
#include "prestress/section_check.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace kvor {

// Lines buffered in memory and handed to the stream in large pieces, so a
// run with all its tables (several million cells) prints in one pass.
class OutputLines {
public:
    explicit OutputLines(std::FILE* stream) : stream_(stream) {}

    void field(std::string_view text);
    void endLine();
    // Writes what is buffered. Throws kvor::Error when the stream fails.
    void flush();

private:
    std::FILE* stream_;
    std::string buffer_;
    bool lineStart_ = true;
};

// One line per quantity slot 1..5, as the result window shows the blocks.
void writeResultLines(OutputLines& out, const EvaluationResult& results);

// The "skupina" line: groupSum of slots 1..5 as the group panel shows them.
void writeGroupLine(OutputLines& out, const EvaluationResult& results);

// For each evaluated quantity in slot order its derivative table, then the
// tendon table of each entered tendon in slot order (of a parabolic tendon,
// the table of its polygon).
void writeWorkingTables(OutputLines& out, const Project& project);

// --stresses: each check table of the checked bending moments in slot order,
// or the one line that names the missing section values.
void writeSectionChecks(OutputLines& out, const SectionChecks& checks);

// --check: each stress check in slot order, or the one line that names what
// is missing; numbers with `sep`.
void writeStressChecks(OutputLines& out, const StressChecks& checks, char sep);

// --loads: the loads' line, the heading and the effects on each entered
// quantity in slot order, numbers with `sep`.
void writeLoadEffects(OutputLines& out, const LoadValues& loads, const std::vector<QuantityLoadEffects>& effects,
                      char sep);

}  // namespace kvor
