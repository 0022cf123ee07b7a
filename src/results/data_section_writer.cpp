// Writing the data section of a project file (see data_section.h).
#include "results/data_section.h"

#include "check/check_input.h"
#include "loads/load_input.h"
#include "results/data_section_layout.h"
#include "stressing/tendon_stressing.h"
#include "tendons/parabolic_polygon.h"

#include <algorithm>
#include <initializer_list>

namespace kvor {

namespace {

using namespace data_section_layout;

constexpr char kEndOfText = '\x1A';

std::string slotField(std::string_view label, int slot, std::string_view what)
{
    return std::string(label) + " (" + std::to_string(slot + 1) + ". " + std::string(what) + ")";
}

std::string tableRowField(std::string_view table, int row)
{
    return std::string(table) + ", řádek " + std::to_string(row);
}
std::string escapeText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    return out;
}

class SectionWriter {
public:
    SectionWriter(std::string& out, Cp1250Encoder& encoder) : out_(out), encoder_(encoder) {}

    // A key, a flag or a count: ASCII written as it is.
    SectionWriter& word(std::string_view ascii)
    {
        separate();
        out_ += ascii;
        return *this;
    }
    SectionWriter& number(long long value) { return word(std::to_string(value)); }
    SectionWriter& flag(bool value) { return word(value ? "1" : "0"); }

    // A text of the model, escaped and in code page 1250. The field's name is
    // built only for a refusal.
    template <typename FieldName>
    SectionWriter& text(std::string_view utf8, FieldName&& fieldName)
    {
        separate();
        // Nearly every field is a number text: printable ASCII with nothing to
        // escape, the same bytes in code page 1250.
        if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= ' ' && c <= '~' && c != '\\'; })) {
            out_ += utf8;
            return *this;
        }
        if (utf8.find(kEndOfText) != std::string_view::npos)
            throw controlCharacterInText(fieldName());
        if (!encoder_.append(out_, escapeText(utf8)))
            throw characterNotInCodePage(fieldName());
        return *this;
    }
    SectionWriter& text(std::string_view utf8, const char* fieldName)
    {
        return text(utf8, [fieldName] { return std::string(fieldName); });
    }

    void endLine()
    {
        out_ += "\r\n";
        first_ = true;
    }

    template <typename RowName>
    void table(std::string_view key, const TextTable& table, int columns, RowName&& rowName)
    {
        const int rows = std::max(table.rowCount() - 1, 0);
        word(key).number(rows).endLine();
        for (int r = 1; r <= rows; ++r) {
            for (int c = 0; c < columns; ++c)
                text(table.cell(r, c), [&] { return rowName(r); });
            endLine();
        }
    }

private:
    void separate()
    {
        if (!first_)
            out_ += '\t';
        first_ = false;
    }

    std::string& out_;
    Cp1250Encoder& encoder_;
    bool first_ = true;
};

void writeBeam(SectionWriter& w, const BeamModel& beam)
{
    w.word("[beam]").endLine();
    w.word("kind").number(static_cast<int>(beam.kind)).endLine();
    w.word("length").text(beam.length, "Rozpětí nosníku L").endLine();
    w.word("memberCount").text(beam.memberCountText, "počet polí").endLine();
    w.table("members", beam.members, kMemberColumns,
            [](int r) { return tableRowField("Tabulka prutů", r); });
}

// A field's text and its name in a refusal.
struct LabelledText {
    const std::string& value;
    const char* label;
};

// A line of texts under `key`.
void writeLine(SectionWriter& w, const char* key, std::initializer_list<LabelledText> texts)
{
    w.word(key);
    for (const LabelledText& t : texts)
        w.text(t.value, t.label);
    w.endLine();
}

void writeSection(SectionWriter& w, const CrossSection& section)
{
    w.word("[section]").endLine();
    w.word("type").number(static_cast<int>(section.type)).endLine();
    w.word("dimensions");
    for (const std::string& d : section.dimensions)
        w.text(d, "Rozměry průřezu");
    w.endLine();
    writeLine(w, "values",
              {{section.area, "Plocha průřezu A"},
               {section.inertia, "Moment setrvačnosti I"},
               {section.eBottom, "Dolní vlákna e"},
               {section.eTop, "Horní vlákna e"}});
    w.word("valuesEditable").flag(section.valuesEditable).endLine();
}

// A slot's text under its key, and the field's name in a refusal.
struct SlotText {
    const char* key;
    const std::string& value;
    const char* label;
};

// The lines every slot's part opens with: its number, the shown flag, its
// texts, the entered flag and the draw flag.
void writeSlotHead(SectionWriter& w, const char* section, const SlotState& slot, int k, const char* what,
                   std::initializer_list<SlotText> texts)
{
    w.word(section).number(k + 1).endLine();
    w.word("shown").flag(slot.shown).endLine();
    for (const SlotText& t : texts)
        w.word(t.key).text(t.value, [&] { return slotField(t.label, k, what); }).endLine();
    w.word("status").flag(slot.status == SlotStatus::Entered).endLine();
    w.word("draw").flag(slot.draw).endLine();
}

void writeQuantity(SectionWriter& w, const QuantitySlot& slot, int k, int version)
{
    const char* what = "příčinková čára";
    writeSlotHead(w, "[quantity]", slot, k, what,
                  {{"description", slot.description, "Název - popis"}, {"kind", slot.kindText, "Typ"}});
    w.word("mode").number(static_cast<int>(slot.entryMode)).endLine();
    w.word("file").text(slot.sourceFile, [&] { return slotField("Soubor", k, what); }).endLine();
    if (version >= 2) {
        w.word("station").text(slot.station, [&] { return slotField("Staničení X", k, what); }).endLine();
        if (slot.entryMode == EntryMode::Generated) {
            auto field = [&] { return slotField("Parametry generování", k, what); };
            w.word("generator").text(slot.generator.kind, field).text(slot.generator.step, field)
                .text(slot.generator.modulus, field).endLine();
        }
    }
    w.table("points", slot.line, kLineColumns, [&](int r) {
        return tableRowField("Tabulka " + std::to_string(k + 1) + ". příčinkové čáry", r);
    });
}

void writeTendon(SectionWriter& w, const TendonSlot& slot, int k)
{
    const char* what = "kabel";
    writeSlotHead(w, "[tendon]", slot, k, what,
                  {{"name", slot.name, "Název"}, {"typeText", slot.typeText, "Typ kabelu"}});
    w.word("type").number(static_cast<int>(slot.type)).endLine();
    const bool parabolic = isParabolicType(slot.type);
    if (parabolic)
        w.word("divisions").text(slot.divisions, [&] { return slotField("Počet dělení paraboly", k, what); }).endLine();
    if (slot.stressing && stressingApplies(slot.type)) {
        const TendonStressing& s = *slot.stressing;
        const auto field = [&] { return slotField("Napínání", k, what); };
        w.word("stressing").text(s.end, field).text(s.jackingForce, field).text(s.friction, field);
        w.text(s.wobble, field).text(s.anchorageSet, field).text(s.modulus, field).text(s.area, field);
        w.text(s.longTermLoss, field).endLine();
        w.word("steel").text(s.strength, field).endLine();
    }
    w.table("points", slot.points, parabolic ? kParabolicTendonColumns : kTendonColumns, [&](int r) {
        return tableRowField("Tabulka " + std::to_string(k + 1) + ". kabelu", r);
    });
}

void writeLoads(SectionWriter& w, const LoadInput& loads)
{
    w.word("[loads]").endLine();
    writeLine(w, "uniform",
              {{loads.selfWeight, "Vlastní tíha g0"},
               {loads.permanent, "Ostatní stálé zatížení g1"},
               {loads.variable, "Rovnoměrné proměnné zatížení q"}});
    w.table("axles", loads.axles, kAxleColumns, [](int r) { return tableRowField("Tabulka náprav", r); });
}

void writeCheck(SectionWriter& w, const CheckInput& check)
{
    w.word("[check]").endLine();
    writeLine(w, "concrete",
              {{check.strength, "Pevnost betonu f_ck"},
               {check.tensileStrength, "Pevnost betonu v tahu f_ctm"},
               {check.strengthAtTransfer, "Pevnost betonu f_ck(t)"},
               {check.tensileStrengthAtTransfer, "Pevnost betonu v tahu f_ctm(t)"}});
    w.word("psi2").text(check.psi2, "Součinitel ψ2").endLine();
}

void writeResults(SectionWriter& w, const EvaluationResult& results)
{
    w.word("[results]").endLine();
    for (int q = 0; q < kSlotCount; ++q) {
        auto field = [q] { return "Výsledky " + std::to_string(q + 1) + ". posuzované veličiny"; };
        w.word("quantity").number(q + 1).flag(results.evaluated(q));
        w.text(results.caption[q], field).text(results.comment[q], field).text(results.unit[q], field);
        for (const std::string& v : results.value[q])
            w.text(v, field);
        w.text(results.groupSum[q], field).endLine();
    }
    w.word("tendons");
    for (bool s : results.selectable)
        w.flag(s);
    for (bool g : results.group)
        w.flag(g);
    w.endLine();
}
}  // namespace

int dataSectionVersion(const Project& project)
{
    // Each thing version 1 cannot hold raises the version; nothing else does,
    // so a project without them is written byte for byte as before.
    if (project.loads.entered() || project.check.entered())
        return 3;
    int version = 1;
    for (const TendonSlot& slot : project.tendons)
        if (isParabolicType(slot.type))
            version = std::max(version, 2);
    for (const QuantitySlot& slot : project.quantities)
        if (slot.entryMode == EntryMode::Generated || !slot.station.empty())
            version = std::max(version, 2);
    for (const TendonSlot& slot : project.tendons)
        if (slot.stressing && stressingApplies(slot.type))
            version = 3;
    return version;
}

void appendDataSection(std::string& out, const Project& project, bool withResults,
                       char decimalSeparator, Cp1250Encoder& encoder)
{
    SectionWriter w(out, encoder);
    const int version = dataSectionVersion(project);
    w.word("[data]").number(version).endLine();
    w.word("separator").word(std::string_view(&decimalSeparator, 1)).endLine();
    writeBeam(w, project.beam);
    writeSection(w, project.section);
    for (int k = 0; k < kSlotCount; ++k)
        writeQuantity(w, project.quantities[k], k, version);
    for (int k = 0; k < kSlotCount; ++k)
        writeTendon(w, project.tendons[k], k);
    if (version >= 3 && project.loads.entered())
        writeLoads(w, project.loads);
    if (version >= 3 && project.check.entered())
        writeCheck(w, project.check);
    if (withResults)
        writeResults(w, project.results);
    w.word("[end]").endLine();
}
}  // namespace kvor
