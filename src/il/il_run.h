#pragma once
// kvor-il's work once its arguments are read: the numbers are read, the line
// is generated and written to `out`; a fault is one Czech line on `err`.

#include "il/il_arguments.h"

#include <cstdio>

namespace kvor {

// Returns the exit status: 0 success, 1 a fault (nothing written to `out`).
int runIl(const IlArguments& arguments, std::FILE* out, std::FILE* err);

}  // namespace kvor
