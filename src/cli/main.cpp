// kvor-calc [--group LIST] [--tables] [--stresses] [--loads] FILE: evaluates a saved project.
#include "cli/calc_arguments.h"
#include "cli/calc_memory.h"
#include "cli/calc_run.h"
#include "cli/program_arguments.h"

#include <cstdio>

int main(int argc, char** argv)
{
    kvor::prepareCalcHeap();
    const auto arguments =
        kvor::parseProgramArguments(argc, argv, "kvor-calc", kvor::kCalcUsage, kvor::parseCalcArguments);
    if (!arguments)
        return kvor::kWrongArgumentsStatus;
    if (arguments->help)
        return kvor::printHelp(kvor::kCalcHelp, stdout, stderr);
    return kvor::runCalc(*arguments, stdout, stderr);
}
