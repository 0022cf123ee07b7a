#pragma once
// The command line of kvor-il:  kvor-il [--step H] [--ei EI] KIND X SPAN [SPAN ...]
// Options come before the operands; `--help` anywhere asks for the help text.
// Values stay texts here: what they mean is checked when the line is made.

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

// An unknown option, an option without its value or fewer than three
// operands; what() says which (in Czech).
class IlWrongArguments : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `args` without the program name. Throws IlWrongArguments.
IlArguments parseIlArguments(std::span<const std::string_view> args);

// One line: "Použití: kvor-il [--step H] [--ei EI] VELIČINA X POLE [POLE ...]".
extern const std::string_view kIlUsage;
// The text of --help, ending with a line end.
extern const std::string_view kIlHelp;

}  // namespace kvor
