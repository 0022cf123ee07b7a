#pragma once
// The whole of kvor-calc after its arguments: read the project file, run the
// evaluation of "Výpočet" on it, add the group sums, print.
//
// Failures print nothing on `out`: their message goes as the first line to
// `err` and the status is 1. The messages are the core's own: the precondition
// messages, the runtime text of a failed evaluation (without the full stop
// of the error box), and the reader's message naming a damaged line; a file
// that cannot be read, is no project file or has no data section gets a Czech
// message naming the file. The file is only ever opened for reading.

#include "cli/calc_arguments.h"

#include <cstdio>

namespace kvor {

// Returns the exit status: 0, or 1 on failure.
int runCalc(const CalcArguments& arguments, std::FILE* out, std::FILE* err);

}  // namespace kvor
