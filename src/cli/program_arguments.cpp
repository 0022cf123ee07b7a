#include "cli/program_arguments.h"

#include <algorithm>

namespace kvor {

bool asksForHelp(std::span<const std::string_view> args)
{
    return std::find(args.begin(), args.end(), "--help") != args.end();
}

}  // namespace kvor
