// kvor-il [--step H] [--ei EI] KIND X SPAN [SPAN ...]: an influence line of
// the beam, written as an influence-line file.
#include "il/il_arguments.h"
#include "il/il_run.h"

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    kvor::IlArguments arguments;
    try {
        arguments = kvor::parseIlArguments(args);
    } catch (const kvor::IlWrongArguments& e) {
        std::fprintf(stderr, "%s\n%.*s\nNápověda: kvor-il --help\n", e.what(),
                     static_cast<int>(kvor::kIlUsage.size()), kvor::kIlUsage.data());
        return 2;
    }
    if (arguments.help) {
        std::fwrite(kvor::kIlHelp.data(), 1, kvor::kIlHelp.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    return kvor::runIl(arguments, stdout, stderr);
}
