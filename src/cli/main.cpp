// kvor-calc [--group LIST] [--tables] FILE: evaluates a saved project.
#include "cli/calc_arguments.h"
#include "cli/calc_run.h"

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    kvor::CalcArguments arguments;
    try {
        arguments = kvor::parseCalcArguments(args);
    } catch (const kvor::WrongArguments& e) {
        std::fprintf(stderr, "%s\n%.*s\nNápověda: kvor-calc --help\n", e.what(),
                     static_cast<int>(kvor::kCalcUsage.size()), kvor::kCalcUsage.data());
        return 2;
    }
    if (arguments.help)
        return kvor::printCalcHelp(stdout, stderr);
    return kvor::runCalc(arguments, stdout, stderr);
}
