#include "analysis/slot_generation.h"

#include "influence/influence_file.h"
#include "model/error.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "structure/beam.h"

namespace kvor {
namespace {

// A line not generated: the fault, with a beep after its message.
SlotLine failed(std::string message, Field focus)
{
    SlotLine out;
    out.fault = Report{std::move(message), Beep::AfterMessage, focus, std::nullopt};
    return out;
}

// The span lengths of the beam, or nothing when one is no number.
std::optional<std::vector<long double>> beamSpans(const BeamModel& beam, char sep)
{
    std::vector<long double> spans;
    if (beam.kind == BeamKind::Simple) {
        const auto l = parseNumber(beam.length, sep);
        if (!l)
            return std::nullopt;
        spans.push_back(*l);
        return spans;
    }
    for (int r = 1; r < beam.members.rowCount(); ++r) {
        const auto l = parseNumber(beam.members.cell(r, 1), sep);
        if (!l)
            return std::nullopt;
        spans.push_back(*l);
    }
    return spans;
}

// The text with the decimal point where the system writes `sep`.
std::string withSeparator(std::string text, char sep)
{
    for (char& c : text)
        if (c == '.')
            c = sep;
    return text;
}

// X, H and E as numbers; E only for deflection and rotation.
struct GeneratorNumbers {
    std::optional<Report> fault;
    long double station = 0;
    long double step = 0;
    std::optional<long double> modulus;
};

GeneratorNumbers generatorNumbers(LineKind kind, const GeneratorInput& input, char sep)
{
    GeneratorNumbers out;
    auto fail = [&out](std::string message, Field focus) {
        out.fault = failed(std::move(message), focus).fault;
        return out;
    };
    const auto station = parseNumber(input.station, sep);
    if (!station)
        return fail("Staničení X musí být zadáno jako číslo!", Field::GeneratorStation);
    out.station = *station;
    const auto step = parseNumber(input.step, sep);
    if (!step)
        return fail("Krok musí být zadán jako číslo!", Field::GeneratorStep);
    out.step = *step;
    if (lineNeedsStiffness(kind)) {
        const auto modulus = parseNumber(input.modulus, sep);
        if (!modulus)
            return fail(input.modulus.empty() ? "Zadejte modul pružnosti E!"
                                              : "Modul pružnosti E musí být zadán jako číslo!",
                        Field::GeneratorModulus);
        if (!(*modulus > 0))
            return fail("Modul pružnosti E musí být větší než 0!", Field::GeneratorModulus);
        out.modulus = *modulus;
    }
    return out;
}

}  // namespace

std::string defaultGeneratorStep(char sep) { return withSeparator("0.1", sep); }

std::vector<SupportChoice> supportChoices(const BeamModel& beam, char sep)
{
    std::vector<SupportChoice> choices;
    const auto spans = beamSpans(beam, sep);
    if (!spans || spans->empty() || spans->size() > static_cast<size_t>(kMaxGeneratedSpans))
        return choices;
    const auto texts = supportStationTexts(*spans);
    for (size_t i = 0; i < texts.size(); ++i)
        choices.push_back({supportName(static_cast<int>(i)), withSeparator(texts[i], sep)});
    return choices;
}

namespace {

// What the generator is asked for a slot of the kind named by `kindText`, or
// the fault (then `line.fault` is set).
struct SlotRequest {
    SlotLine line;
    LineRequest request;
};

SlotRequest slotRequest(const Project& project, std::string_view kindText, const GeneratorInput& input, char sep)
{
    SlotRequest out;
    const auto fail = [&out](std::string message, Field focus) {
        out.line = failed(std::move(message), focus);
        return out;
    };
    if (!structureEntered(project))
        return fail("Konstrukce není zadána, příčinkovou čáru z ní nelze vygenerovat!", Field::GeneratorCommand);
    const auto kind = lineKindOf(quantityKindOf(kindText));
    if (!kind) {
        return fail("Typ veličiny „" + std::string(kindText) +
                        "“ není žádný z typů Ohybový moment, Posouvající síla, Reakce, Průhyb, Pootočení!",
                    Field::GeneratorCommand);
    }
    LineRequest& request = out.request;
    request.kind = *kind;
    const auto spans = beamSpans(project.beam, sep);
    if (!spans)
        return fail("Délky polí nosníku musí být zadány jako čísla!", Field::GeneratorCommand);
    request.spans = *spans;
    const GeneratorNumbers numbers = generatorNumbers(*kind, input, sep);
    if (numbers.fault) {
        out.line.fault = numbers.fault;
        return out;
    }
    request.station = numbers.station;
    request.step = numbers.step;
    if (numbers.modulus) {
        const auto inertia = parseNumber(project.section.inertia, sep);
        if (!inertia || !(*inertia > 0)) {
            return fail(project.section.inertia.empty()
                            ? "Moment setrvačnosti I průřezu není zadán, spočtěte nebo zadejte průřez!"
                            : "Moment setrvačnosti I průřezu musí být číslo větší než 0!",
                        Field::GeneratorCommand);
        }
        request.ei = *numbers.modulus * 1000.0L * *inertia;  // MPa = 1000 kN/m²
    }
    out.line.station = input.station;
    out.line.parameters.kind = lineKindCode(*kind);
    out.line.parameters.step = input.step;
    out.line.parameters.modulus = lineNeedsStiffness(*kind) ? input.modulus : std::string();
    return out;
}

// The kind is the slot's: the kind box may have changed since, the stored
// kind says only what the line was generated as.
SlotRequest slotRequest(const Project& project, const QuantitySlot& slot, char sep)
{
    return slotRequest(project, slot.kindText, {slot.station, slot.generator.step, slot.generator.modulus}, sep);
}

// The slot's line generated again for the beam as it is, and whether the
// slot's stored table is exactly that line.
struct Regenerated {
    GeneratedLine line;
    bool matches = false;
};

Regenerated regenerate(const Project& project, const QuantitySlot& slot, char sep)
{
    Regenerated out;
    const SlotRequest request = slotRequest(project, slot, sep);
    if (request.line.fault)
        return out;
    out.line = generateLine(request.request);
    if (!out.line.fault.empty())
        return out;
    TextTable fresh;
    readInfluenceText(lineFileText(out.line.points), fresh, sep);
    out.matches = fresh.rowCount() == slot.line.rowCount();
    for (int r = 1; out.matches && r < fresh.rowCount(); ++r)
        out.matches = fresh.cell(r, 0) == slot.line.cell(r, 0) && fresh.cell(r, 1) == slot.line.cell(r, 1);
    return out;
}

}  // namespace

SlotLine generateSlotLine(const Project& project, std::string_view kindText, const GeneratorInput& input, char sep)
{
    SlotRequest request = slotRequest(project, kindText, input, sep);
    if (request.line.fault)
        return request.line;
    const GeneratedLine line = generateLine(request.request);
    if (!line.fault.empty())
        return failed(line.fault, Field::GeneratorCommand);
    request.line.fileText = lineFileText(line.points);
    return request.line;
}

SlotLine regenerateSlotLine(const Project& project, const QuantitySlot& slot, char sep)
{
    return generateSlotLine(project, slot.kindText, {slot.station, slot.generator.step, slot.generator.modulus}, sep);
}

std::optional<Report> checkGeneratorParameters(const QuantitySlot& slot, char sep)
{
    const auto kind = lineKindOfCode(slot.generator.kind);
    if (!kind)
        return failed("Neznámý typ vygenerované příčinkové čáry „" + slot.generator.kind + "“!",
                      Field::GeneratorCommand).fault;
    const GeneratorNumbers numbers =
        generatorNumbers(*kind, {slot.station, slot.generator.step, slot.generator.modulus}, sep);
    if (numbers.fault)
        return numbers.fault;
    // "Vygenerovat" leaves this to the generator, whose message it is.
    if (!(numbers.step > 0))
        return failed("Krok musí být větší než 0!", Field::GeneratorStep).fault;
    return std::nullopt;
}

std::vector<int> staleGeneratedSlots(const Project& project, char sep)
{
    std::vector<int> stale;
    for (int k = 0; k < kSlotCount; ++k) {
        const QuantitySlot& slot = project.quantities[static_cast<size_t>(k)];
        if (slot.entered() && slot.entryMode == EntryMode::Generated && !regenerate(project, slot, sep).matches)
            stale.push_back(k + 1);
    }
    return stale;
}

std::optional<std::vector<StationSlopes>> exactSlopesOfSlot(const Project& project, const QuantitySlot& slot,
                                                            char sep)
{
    if (slot.entryMode != EntryMode::Generated)
        return std::nullopt;
    Regenerated fresh = regenerate(project, slot, sep);
    if (!fresh.matches || fresh.line.slopes.size() != fresh.line.points.size())
        return std::nullopt;
    return std::move(fresh.line.slopes);
}

std::string staleLineWarning(int slot)
{
    return "Upozornění: příčinková čára " + formatInteger(slot) +
           ". veličiny byla vygenerována z konstrukce, která se od té doby změnila; vyhodnocena je uložená tabulka.";
}

std::string staleLinesQuestion(const std::vector<int>& slots)
{
    std::string names;
    for (size_t i = 0; i < slots.size(); ++i)
        names += (i == 0 ? "" : i + 1 == slots.size() ? " a " : ", ") + formatInteger(slots[i]) + ".";
    const bool one = slots.size() == 1;
    return std::string(one ? "Příčinková čára " : "Příčinkové čáry ") + names + " veličiny " +
           (one ? "byla vygenerována" : "byly vygenerovány") +
           " z konstrukce, která se od té doby změnila. Vygenerovat " + (one ? "ji" : "je") +
           " znovu a vyhodnotit, vyhodnotit uložené tabulky, nebo výpočet zrušit?";
}

void regenerateSlot(Project& project, int slot, char sep)
{
    QuantitySlot& target = project.quantities[static_cast<size_t>(slot - 1)];
    const SlotLine line = regenerateSlotLine(project, target, sep);
    if (line.fault)
        throw Error(line.fault->message);
    TextTable entry;
    readInfluenceText(line.fileText, entry, sep);
    storeGeneratedLine(target, entry, line.station, line.parameters);
}

}  // namespace kvor
