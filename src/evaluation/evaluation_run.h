#pragma once
// "Výpočet": every entered quantity against every entered tendon, in slot order.
//
// For each quantity slot q (1..5): when entered, its derivative table is built
// (the exact slopes of a line generated from the beam as it is now, otherwise
// finite differences that know the slot's station X), then for t = 1..5 an entered tendon gives value[q][t] (its effect as a 15-digit
// text; a parabolic tendon, types 2 to 4, is evaluated as the broken tendon of
// its polygon, formed at its first quantity, and its tendon tables list the
// polygon's points), a tendon that is not entered gives "###"; the
// group box of t becomes selectable exactly when t is entered and is unticked;
// then the block shows the caption "- " + kind text, the comment (description)
// and the unit of the kind ("[-]" for an empty kind text, unchanged for a text
// that is no kind label). A quantity that is not entered gets an empty caption
// and comment and the "Veličina nebyla vyhodnocována!" block; its value texts
// stay (they are hidden).

#include "model/project.h"
#include "model/report.h"

#include <optional>

namespace kvor {

// The run's preconditions, in order: no entered tendon gives "Zadejte typ a
// tvar předpínacích kabelů" (focus on the first tendon's definition); else no
// entered quantity gives "Zadejte průběhy příčinkových čar" (page "Příčinkové
// čáry", focus on the first quantity's line).
// Both beep after the message. Nothing when the run may start.
std::optional<Report> checkEvaluationPreconditions(const Project& project);

// Fills project.results as described above; run it after the preconditions
// pass. The derivative tables, the tendons' loads and the 25 (quantity,
// tendon) pairs are computed on all cores into space of their own and then
// written in slot order, so the result is that of computing one after another.
// A failure throws kvor::Error at the point where it occurs and keeps
// everything written before it (working tables, values, captions, group flags);
// the caller then keeps the main window instead of showing the results.
//
// A caller that reads only the values (kvor-calc without its tables, the
// windows before the tables are shown) passes TendonTables::Skipped: the run
// then forms no tendon tables of the pairs, nor the columns of the tendons'
// loads, and leaves results.tendonTables as they are.
enum class TendonTables { Formed, Skipped };
void evaluateProject(Project& project, char sep, TendonTables tables = TendonTables::Formed);

// Forms, without evaluating, what a run keeps for the next one (each entered
// line's numbers and slopes, each broken tendon's loads, see
// parsed_input_cache.h), so that the first run after a project is opened
// costs what a repeated run costs. Nothing is reported: a part that fails is
// formed again, and its failure reported, by the run itself.
void keepInputForFirstRun(const Project& project, char sep);

}  // namespace kvor
