#pragma once
// The command line of kvor-il:  kvor-il [--step H] [--ei EI] KIND X SPAN [SPAN ...]
// Options come before the operands; `--help` anywhere asks for the help text.
// Values stay texts here: what they mean is checked when the line is made.

#include "cli/program_arguments.h"

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

struct IlArguments {
    bool help = false;
    std::optional<std::string> step;
    std::optional<std::string> ei;
    std::string kind;
    std::string station;
    std::vector<std::string> spans;
};

// `args` without the program name. An unknown option, an option without its
// value or fewer than three operands throw WrongArguments.
IlArguments parseIlArguments(std::span<const std::string_view> args);

// One line: "Použití: kvor-il [--step H] [--ei EI] VELIČINA X POLE [POLE ...]".
extern const std::string_view kIlUsage;
// The text of --help, ending with a line end.
extern const std::string_view kIlHelp;

}  // namespace kvor
