#pragma once
// The data section of a project file, after its five information lines: the
// whole input, and for the variant "uložit včetně výsledků" the results shown.
// Every line ends with CR LF; fields are separated by one TAB; in every text
// field "\" is written "\\", TAB "\t", CR "\r" and LF "\n".
//
//   [data] v / separator , / [beam] kind length memberCount members n (+n rows)
//   [section] type dimensions(4) values(4) valuesEditable
//   [quantity] k (k = 1..5): shown description kind status draw mode file
//                            [station X] [generator KIND H E] points n
//   [tendon] k (k = 1..5): shown name typeText status draw type points n
//                          (types 2 to 4: divisions D after type, and rows of
//                          4 fields x e N m, the last m empty; types 1 to 4
//                          stressed: "stressing END P0 MU K SET EP AP LOSS" and
//                          "steel FPK" before points)
//   [loads] (version 3, optional): uniform G0 G1 Q / axles n (+n rows F a)
//   [check] (version 3, optional): concrete FCK FCTM FCKT FCTMT / psi2 PSI2
//   [results] (optional): quantity q evaluated caption comment unit v1..v5 sum
//                         (q = 1..5), tendons selectable(5) group(5)
//   [end]
//
// Version 1 is what every file saved so far holds. Version 2 adds to every
// [quantity] block, right after "file", the line "station X" (X empty when
// not known) and, for a generated line (mode 2), "generator KIND H E" (KIND as
// kvor-il spells it, E empty unless KIND is w or fi). A project is written as
// version 2 only when it holds something version 1 cannot. Version 3 adds,
// after the tendon blocks, the block "[loads]" with the texts of g0, g1 and q
// as typed and the axle table; it is written only when loads were entered.
// After it, the block "[check]" with the texts of the stress check's concrete
// (f_ck, f_ctm, f_ck(t), f_ctm(t)) and ψ2, written only when any was entered.
// The reader takes versions 1 to 3.
// Version 3 also adds the stressing data of a tendon whose forces come from
// stressing (END "L", "R" or "LR", the texts as typed), written only when a
// tendon has them. Content beyond the marked version is refused.
//
// A table's count n is its row count minus the heading row; every stored cell
// is listed as it stands, empty cells included. The results keep only whether
// a block was evaluated, so a block never evaluated reads back as not evaluated.

#include "model/project.h"
#include "results/cp1250.h"
#include "results/project_lines.h"

#include <string>

namespace kvor {

// The version of the section a project is written with: 3 when loads or the
// stress check's inputs were entered or a tendon has stressing data; else 2 when it holds what version 1
// cannot (a tendon of types 2 to 4, a generated influence line, a known
// station X); else 1, so a project without these is written exactly as
// before. The reader takes all three.
int dataSectionVersion(const Project& project);

// Appends the section in code page 1250. Throws kvor::Error naming the field
// when a text holds a character the code page lacks, or a byte 0x1A (which
// would end the file's text).
void appendDataSection(std::string& out, const Project& project, bool withResults,
                       char decimalSeparator, Cp1250Encoder& encoder);

// Reads the section from the next line of `lines` on (line 6 of a file).
// Returns false, reading nothing, when no section starts there: an
// information-only file. Otherwise fills beam, section, slots and, when stored,
// the results of `project`, which should be a fresh Project: a damaged section
// throws kvor::Error with a Czech message naming the wrong line, leaving
// `project` partly filled, so the caller hands it over only on success.
// Number texts stored with another decimal separator get `decimalSeparator`.
//
// A large section is read by two threads, from its start and from its first
// tendon block; whatever either meets, the project and the message are those
// of reading line after line, which `LineByLine` does alone (for comparison).
enum class SectionReading { TwoParts, LineByLine };
bool readDataSection(ProjectFileLines& lines, Project& project, char decimalSeparator,
                     SectionReading reading = SectionReading::TwoParts);

}  // namespace kvor
