#pragma once
// What kvor-calc and kvor-il share on their command lines: the failure of
// arguments that do not fit, the --help that wins over everything else, and
// the start of main that turns wrong arguments into the usage lines.

#include <cstdio>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

// Arguments that do not fit the command line; what() says which (in Czech).
class WrongArguments : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The exit status of wrong arguments.
inline constexpr int kWrongArgumentsStatus = 2;

// Whether "--help" stands anywhere among the arguments.
bool asksForHelp(std::span<const std::string_view> args);

// An argument as a message shows it: control characters and bytes that are no
// UTF-8 shown visibly, cut after kShownArgumentChars characters.
inline constexpr std::size_t kShownArgumentChars = 60;
std::string visibleArgument(std::string_view arg);

// The option `option` given a second time: "Volba --step je uvedena dvakrát".
[[noreturn]] void repeatedOption(std::string_view option);

// --help: `text` on `out`. When it cannot be written (a full disk, a closed
// pipe), a message on `err` and the status 1; otherwise 0.
int printHelp(std::string_view text, std::FILE* out, std::FILE* err);

// Reads argv (without the program name) with `parse`. Wrong arguments print
// their message, the usage line and "Nápověda: PROGRAM --help" on standard
// error and give nothing.
template <typename Parse>
auto parseProgramArguments(int argc, char** argv, std::string_view program, std::string_view usage, Parse parse)
    -> std::optional<decltype(parse(std::span<const std::string_view>()))>
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        return parse(args);
    } catch (const WrongArguments& e) {
        std::fprintf(stderr, "%s\n%.*s\nNápověda: %.*s --help\n", e.what(), static_cast<int>(usage.size()),
                     usage.data(), static_cast<int>(program.size()), program.data());
        return std::nullopt;
    }
}

}  // namespace kvor
