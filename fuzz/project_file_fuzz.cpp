// The project file reader (lines 1 to 5 and the data section) over arbitrary
// bytes, and the writer and reader together over arbitrary projects.
//
// Input byte 0: bit 0 picks the decimal separator, bit 1 the mode.
//   Bytes mode: the rest is a file. Reading fails only with kvor::Error; lines
//   2 to 5 are the lines the line rules give; a file it accepts gives a project
//   whose data section saves, reads back and saves again to the same bytes.
//   Project mode: the rest builds a project. A project that saves reads back
//   to a project that saves to exactly the same file, unless it holds input
//   that the windows would not have stored, which the reader refuses.

#include "fuzz_check.h"
#include "model/error.h"
#include "results/cp1250.h"
#include "results/data_section.h"
#include "results/data_section_checks.h"
#include "results/project_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <string>

using kvor::fuzz::require;

namespace {

constexpr std::string_view kHeader = "Vstupn\xED soubor programu Kvor1.1";

// The n-th line (1-based) by the file's line rules: a line ends at CR, one LF
// right after it belongs to the line end, a byte 0x1A ends the text.
std::string_view referenceLine(std::string_view bytes, int n)
{
    bytes = bytes.substr(0, bytes.find('\x1a'));
    size_t pos = 0;
    for (int line = 1;; ++line) {
        if (pos >= bytes.size())
            return {};
        const size_t cr = bytes.find('\r', pos);
        const size_t end = cr == std::string_view::npos ? bytes.size() : cr;
        if (line == n)
            return bytes.substr(pos, end - pos);
        pos = end + 1;
        if (pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
}

std::string savedSection(const kvor::Project& project, bool withResults, char sep)
{
    kvor::Cp1250Encoder encoder;
    std::string section;
    try {
        kvor::appendDataSection(section, project, withResults, sep, encoder);
    } catch (const kvor::Error& e) {
        require(false, "a project read from a file saves again", e.what());
    }
    return section;
}

void checkBytes(std::string_view bytes, char sep)
{
    std::optional<kvor::LoadedProjectFile> loaded;
    try {
        loaded = kvor::decodeProjectFile(bytes, sep);
    } catch (const kvor::Error&) {
        return;  // a damaged data section, named in the message
    }
    require(loaded.has_value() == (referenceLine(bytes, 1) == kHeader), "exactly a file with the header opens");
    if (!loaded)
        return;
    const kvor::ProjectInfo& info = loaded->project.info;
    require(info.name == kvor::cp1250ToUtf8(referenceLine(bytes, 2)), "line 2 is the name");
    require(info.description == kvor::cp1250ToUtf8(referenceLine(bytes, 3)), "line 3 is the description");
    require(info.author == kvor::cp1250ToUtf8(referenceLine(bytes, 4)), "line 4 is the author");
    require(info.createdOn == kvor::cp1250ToUtf8(referenceLine(bytes, 5)), "line 5 is the creation date");
    require(info.readOnly, "opened information is read-only");
    if (!loaded->hasDataSection)
        return;

    // The file may be written more leniently than the writer writes (CR alone,
    // a raw LF in a text, another separator), so the saved section is compared
    // with what reading it back and saving once more gives.
    const bool withResults = bytes.find("[results]") != std::string_view::npos;
    const std::string section = savedSection(loaded->project, withResults, sep);
    const std::string file = std::string(kHeader) + "\r\n\r\n\r\n\r\n\r\n" + section;
    std::optional<kvor::LoadedProjectFile> again;
    try {
        again = kvor::decodeProjectFile(file, sep);
    } catch (const kvor::Error& e) {
        require(false, "a saved data section reads back", e.what());
    }
    require(again && again->hasDataSection, "a saved data section is found again");
    require(savedSection(again->project, withResults, sep) == section,
            "the project read back saves the same data section");
}

// Texts made of pieces that stress the escaping, the code page and the lines.
std::string fuzzedText(FuzzedDataProvider& in)
{
    static constexpr std::array<std::string_view, 24> kPieces = {
        "a", "Ž", "čř", "ü", "€", " ", "\\", "\\t", "\t", "\r", "\n", "\r\n", "\x1a", "[end]", "[results]",
        "1", "-0", ",", ".", "E5", "∑", "\xc2\x81", "\xff", "kind"};
    std::string text;
    const int pieces = in.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < pieces; ++i)
        text += kPieces[in.ConsumeIntegralInRange<size_t>(0, kPieces.size() - 1)];
    return text;
}

void fillTable(FuzzedDataProvider& in, kvor::TextTable& table, int columns)
{
    const int rows = in.ConsumeIntegralInRange(0, 4);
    table.resize(rows + 1, columns);
    for (int r = 1; r <= rows; ++r)
        for (int c = 0; c < columns; ++c)
            table.setCell(r, c, fuzzedText(in));
}

kvor::Project fuzzedProject(FuzzedDataProvider& in)
{
    kvor::Project p;
    p.info.name = fuzzedText(in);
    p.info.description = fuzzedText(in);
    p.info.author = fuzzedText(in);
    p.info.createdOn = fuzzedText(in);
    p.beam.kind = static_cast<kvor::BeamKind>(in.ConsumeIntegralInRange(0, 1));
    p.beam.length = fuzzedText(in);
    p.beam.memberCountText = fuzzedText(in);
    fillTable(in, p.beam.members, 2);
    p.section.type = static_cast<kvor::SectionType>(in.ConsumeIntegralInRange(0, 4));
    for (std::string& d : p.section.dimensions)
        d = fuzzedText(in);
    p.section.area = fuzzedText(in);
    p.section.inertia = fuzzedText(in);
    p.section.eBottom = fuzzedText(in);
    p.section.eTop = fuzzedText(in);
    p.section.valuesEditable = in.ConsumeBool();
    for (kvor::QuantitySlot& q : p.quantities) {
        q.shown = in.ConsumeBool();
        q.description = fuzzedText(in);
        q.kindText = fuzzedText(in);
        q.status = in.ConsumeBool() ? kvor::SlotStatus::Entered : kvor::SlotStatus::NotEntered;
        q.draw = in.ConsumeBool();
        q.entryMode = static_cast<kvor::EntryMode>(in.ConsumeIntegralInRange(-1, 1));
        q.sourceFile = fuzzedText(in);
        fillTable(in, q.line, 2);
    }
    for (kvor::TendonSlot& t : p.tendons) {
        t.shown = in.ConsumeBool();
        t.name = fuzzedText(in);
        t.typeText = fuzzedText(in);
        t.status = in.ConsumeBool() ? kvor::SlotStatus::Entered : kvor::SlotStatus::NotEntered;
        t.draw = in.ConsumeBool();
        t.type = static_cast<kvor::TendonType>(in.ConsumeIntegralInRange(-1, 4));
        fillTable(in, t.points, 3);
    }
    kvor::EvaluationResult& r = p.results;
    for (int q = 0; q < kvor::kSlotCount; ++q) {
        r.block[q] = in.ConsumeBool() ? kvor::BlockState::Evaluated : kvor::BlockState::NotEvaluated;
        r.caption[q] = fuzzedText(in);
        r.comment[q] = fuzzedText(in);
        r.unit[q] = fuzzedText(in);
        for (std::string& v : r.value[q])
            v = fuzzedText(in);
        r.groupSum[q] = fuzzedText(in);
        r.selectable[q] = in.ConsumeBool();
        r.group[q] = in.ConsumeBool();
    }
    return p;
}

void checkProject(FuzzedDataProvider& in, char sep)
{
    const auto variant = in.ConsumeBool() ? kvor::SaveVariant::WithResults : kvor::SaveVariant::InputOnly;
    const kvor::Project project = fuzzedProject(in);
    std::string file;
    try {
        file = kvor::encodeProjectFile(project, variant, sep);
    } catch (const kvor::Error&) {
        return;  // a text the file cannot hold, refused before anything is written
    }
    std::optional<kvor::LoadedProjectFile> loaded;
    try {
        loaded = kvor::decodeProjectFile(file, sep);
    } catch (const kvor::Error& e) {
        require(kvor::checkDataSectionInput(project, {}, sep).has_value(), "a saved project reads back", e.what());
        return;
    }
    require(loaded && loaded->hasDataSection, "a saved project is a project file with data");
    require(loaded->project.info.name == project.info.name && loaded->project.info.author == project.info.author &&
                loaded->project.info.description == project.info.description &&
                loaded->project.info.createdOn == project.info.createdOn,
            "lines 2 to 5 read back unchanged");
    // Writing is one-to-one (every text escaped), so equal files mean equal data.
    require(kvor::encodeProjectFile(loaded->project, variant, sep) == file,
            "a project read back saves to the same file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const char sep = kvor::fuzz::separatorFrom(data[0]);
    if ((data[0] & 2) == 0) {
        checkBytes(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), sep);
    } else {
        FuzzedDataProvider in(data + 1, size - 1);
        checkProject(in, sep);
    }
    return 0;
}
