#include "cli/program_arguments.h"

#include "model/error.h"
#include "model/visible_text.h"

#include <algorithm>
#include <cerrno>

namespace kvor {

bool asksForHelp(std::span<const std::string_view> args)
{
    return std::find(args.begin(), args.end(), "--help") != args.end();
}

std::string visibleArgument(std::string_view arg) { return visibleText(arg, kShownArgumentChars); }

void repeatedOption(std::string_view option)
{
    throw WrongArguments("Volba " + std::string(option) + " je uvedena dvakrát");
}

int printHelp(std::string_view text, std::FILE* out, std::FILE* err)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fflush(out) == 0 && written)
        return 0;
    std::fprintf(err, "Nápovědu nelze vypsat na standardní výstup: %s\n",
                 failureText(Error::fromErrno(errno)).c_str());
    return 1;
}

}  // namespace kvor
