#include "il/il_run.h"

#include "analysis/line_generator.h"
#include "cli/program_arguments.h"
#include "model/numbers.h"

#include <optional>
#include <string>

namespace kvor {
namespace {

// A number of the command line: the system's number text without blanks, with
// a decimal point or a decimal comma.
std::optional<long double> commandLineNumber(const std::string& text)
{
    if (text.find(' ') != std::string::npos)
        return std::nullopt;
    if (auto v = parseNumber(text, '.'))
        return v;
    return parseNumber(text, ',');
}

struct Fault {
    std::string message;
};

long double number(const std::string& text, const std::string& what)
{
    if (auto v = commandLineNumber(text))
        return *v;
    throw Fault{what + " „" + visibleArgument(text) + "“ není číslo!"};
}

LineRequest requestOf(const IlArguments& arguments)
{
    LineRequest request;
    const auto kind = lineKindOfCode(arguments.kind);
    if (!kind)
        throw Fault{"Neznámá veličina „" + visibleArgument(arguments.kind) + "“, zadejte M, V, R, w nebo fi!"};
    request.kind = *kind;
    if (arguments.spans.size() > static_cast<size_t>(kMaxGeneratedSpans))
        throw Fault{"Nosník smí mít nejvýše " + formatInteger(kMaxGeneratedSpans) + " polí!"};
    request.station = number(arguments.station, "Staničení X");
    for (size_t j = 0; j < arguments.spans.size(); ++j)
        request.spans.push_back(number(arguments.spans[j], "Délka " + formatInteger(static_cast<long long>(j + 1)) + ".pole"));
    if (arguments.step)
        request.step = number(*arguments.step, "Krok");
    // The stiffness matters for w and φ only; for the others it is ignored.
    if (arguments.ei && lineNeedsStiffness(request.kind))
        request.ei = number(*arguments.ei, "Ohybová tuhost EI");
    return request;
}

int fail(std::FILE* err, const std::string& message)
{
    std::fprintf(err, "%s\n", message.c_str());
    return 1;
}

}  // namespace

int runIl(const IlArguments& arguments, std::FILE* out, std::FILE* err)
{
    LineRequest request;
    try {
        request = requestOf(arguments);
    } catch (const Fault& f) {
        return fail(err, f.message);
    }
    const GeneratedLine line = generateLine(request);
    if (!line.fault.empty())
        return fail(err, line.fault);
    const std::string text = lineFileText(line.points);
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0)
        return fail(err, "Příčinkovou čáru nelze zapsat na standardní výstup!");
    return 0;
}

}  // namespace kvor
