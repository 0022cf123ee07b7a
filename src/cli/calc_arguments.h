#pragma once
// The command line of kvor-calc:  kvor-calc [--group LIST] [--tables] [--stresses] [--loads] [--forces] [--check] FILE
// LIST holds tendon numbers 1 to 5 separated by commas (blanks around a number
// are allowed); it may be empty. `--help` anywhere asks for the help text.

#include "cli/program_arguments.h"
#include "model/project.h"

#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kvor {

struct CalcArguments {
    bool help = false;
    std::string file;
    bool groupGiven = false;                // --group was given: print the "skupina" line
    std::array<bool, kSlotCount> group{};  // tendon t listed (a number listed twice counts once)
    bool tables = false;                    // --tables: print the working tables too
    bool stresses = false;                  // --stresses: print the prestress in the checked sections
    bool loads = false;                     // --loads: print the effects of the project's loads
    bool forces = false;                    // --forces: print the tendons' forces from stressing
    bool check = false;                     // --check: print the stress check of the checked sections
};

// `args` without the program name. Throws WrongArguments.
CalcArguments parseCalcArguments(std::span<const std::string_view> args);

// One line: "Použití: kvor-calc [--group SEZNAM] [--tables] [--stresses] [--loads] [--forces] [--check] SOUBOR".
extern const std::string_view kCalcUsage;
// The text of --help, ending with a line end.
extern const std::string_view kCalcHelp;

}  // namespace kvor
