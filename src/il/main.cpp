// kvor-il [--step H] [--ei EI] KIND X SPAN [SPAN ...]: an influence line of
// the beam, written as an influence-line file.
#include "cli/program_arguments.h"
#include "il/il_arguments.h"
#include "il/il_run.h"

#include <cstdio>

int main(int argc, char** argv)
{
    const auto arguments = kvor::parseProgramArguments(argc, argv, "kvor-il", kvor::kIlUsage, kvor::parseIlArguments);
    if (!arguments)
        return kvor::kWrongArgumentsStatus;
    if (arguments->help)
        return kvor::printHelp(kvor::kIlHelp, stdout, stderr);
    return kvor::runIl(*arguments, stdout, stderr);
}
