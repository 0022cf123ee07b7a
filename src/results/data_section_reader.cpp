// Reading the data section of a project file (see data_section.h).
#include "results/data_section.h"

#include "analysis/line_generator.h"
#include "check/check_input.h"
#include "influence/influence_file.h"
#include "loads/load_input.h"
#include "model/numbers.h"
#include "model/visible_text.h"
#include "results/data_section_checks.h"
#include "results/data_section_layout.h"
#include "evaluation/parallel_tasks.h"
#include "stressing/stressing_checks.h"
#include "stressing/tendon_stressing.h"
#include "structure/beam.h"
#include "tendons/parabolic_polygon.h"
#include "tendons/tendon_dialog_state.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <initializer_list>
#include <vector>

namespace kvor {

namespace {

using namespace data_section_layout;

// The most point rows each table of the model can hold: the members of a
// continuous beam, the points an influence-line file may give, the points of a
// broken tendon. A larger count is damage; refusing it keeps a file from
// claiming more memory than the largest project the program can build.
constexpr int kMaxMemberRows = kMaxMemberCount;
constexpr int kMaxLineRows = static_cast<int>(kMaxInfluenceFileValues / 2);
constexpr int kMaxTendonRows = kMaxPointCount;
// A damaged line is quoted whole up to this many characters.
constexpr size_t kQuotedLineChars = 120;

constexpr std::array<std::string_view, 9> kSectionNames = {
    "[data]", "[beam]", "[section]", "[quantity]", "[tendon]", "[loads]", "[check]", "[results]", "[end]"};
constexpr std::array<std::string_view, 29> kKeys = {
    "separator", "kind",  "length", "memberCount", "members", "type",     "dimensions",
    "values",    "valuesEditable", "shown", "description", "status", "draw", "mode",
    "file",      "points", "name",  "typeText",    "quantity", "tendons", "divisions",
    "station",   "generator", "uniform", "axles", "stressing", "steel", "concrete", "psi2"};

// What version 1 does not know, and what a version-1 file holding it is told.
constexpr std::array<std::string_view, 3> kVersion2Keys = {"station", "generator", "divisions"};
constexpr const char* kBeyondVersion1 = " patří až do datové části verze 2, soubor je označen verzí 1";
// What only version 3 knows: how a tendon is stressed.
constexpr std::array<std::string_view, 2> kVersion3Keys = {"stressing", "steel"};

template <size_t N>
bool isOneOf(std::string_view word, const std::array<std::string_view, N>& words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::string quoted(std::string_view text) { return "„" + visibleText(text, kQuotedLineChars) + "“"; }

class SectionReader {
public:
    SectionReader(ProjectFileLines& lines, char systemSeparator)
        : lines_(lines), fileSeparator_(systemSeparator), systemSeparator_(systemSeparator)
    {
    }
    // A reader of a later part of the same section: the version and the
    // separators as `head` read them from the section's first lines.
    SectionReader(ProjectFileLines& lines, const SectionReader& head)
        : lines_(lines), fileSeparator_(head.fileSeparator_), systemSeparator_(head.systemSeparator_),
          version_(head.version_)
    {
    }

    // Reads line 6: true when it opens a data section of a version this reader knows.
    bool opens()
    {
        if (lines_.atEnd())
            return false;
        advance();
        if (fields_[0] != "[data]")
            return false;
        if (fields_.size() != 2 || (fields_[1] != "1" && fields_[1] != "2" && fields_[1] != "3"))
            fail(lineNumber_, "nepodporovaná verze datové části");
        version_ = fields_[1][0] - '0';
        return true;
    }

    int version() const { return version_; }

    // The decimal separator the number texts were saved with: a comma or a point.
    void readSeparator()
    {
        std::string_view value = keyLine("separator", 1)[0];
        if (value != "," && value != ".")
            badValue("separator", value);
        fileSeparator_ = value[0];
    }

    void section(std::string_view name)
    {
        advance();
        if (fields_[0] != name || fields_.size() != 1)
            unexpected(name);
    }

    void numberedSection(std::string_view name, int k)
    {
        advance();
        const std::string number = std::to_string(k + 1);
        if (fields_[0] != name || fields_.size() != 2 || fields_[1] != number)
            unexpected(std::string(name) + " " + number);
    }

    // What follows the tendon blocks: "[loads]" and "[check]" (version 3 on,
    // each optional, in this order), "[results]" or "[end]". `after` is the
    // block read last; a block out of its order is refused at its line.
    enum class After { Tendons, Loads, Check, Results, End };
    After nextBlock(After after)
    {
        advance();
        for (const auto& [block, name] : {std::pair{After::Loads, "[loads]"}, std::pair{After::Check, "[check]"}}) {
            if (fields_.size() != 1 || fields_[0] != name)
                continue;
            if (version_ < 3)
                fail(lineNumber_, "sekce " + quoted(name) + " patří až do datové části verze 3, soubor je "
                                  "označen verzí " + std::to_string(version_));
            if (block <= after)
                unexpected("[end]");
            return block;
        }
        return resultsOrEndRead();
    }

    // The values of the line `key`, which must have exactly `count` of them.
    const std::vector<std::string_view>& keyLine(std::string_view key, size_t count)
    {
        advance();
        if (fields_[0] != key)
            unexpected(key);
        if (fields_.size() != count + 1)
            fail(lineNumber_, "položka " + quoted(key) + " má mít " + std::to_string(count) +
                                  (count == 1 ? " hodnotu" : count < 5 ? " hodnoty" : " hodnot"));
        values_.assign(fields_.begin() + 1, fields_.end());
        return values_;
    }

    bool flagOf(std::string_view key, std::string_view value)
    {
        if (value != "0" && value != "1")
            badValue(key, value);
        return value == "1";
    }
    bool flag(std::string_view key) { return flagOf(key, keyLine(key, 1)[0]); }

    int integerOf(std::string_view key, std::string_view value, int lowest, int highest)
    {
        int result = 0;
        const char* end = value.data() + value.size();
        auto [ptr, ec] = std::from_chars(value.data(), end, result);
        if (ec != std::errc() || ptr != end || value.empty() || value[0] == '+' || result < lowest ||
            result > highest)
            badValue(key, value);
        return result;
    }
    int integer(std::string_view key, int lowest, int highest)
    {
        return integerOf(key, keyLine(key, 1)[0], lowest, highest);
    }
    // An integer whose values above `highestV1` came with version 2.
    int versionedInteger(std::string_view key, int lowest, int highestV1, int highestV2)
    {
        const std::string_view value = keyLine(key, 1)[0];
        const int result = integerOf(key, value, lowest, highestV2);
        if (version_ < 2 && result > highestV1)
            fail(lineNumber_, "hodnota " + quoted(value) + " položky " + quoted(key) + kBeyondVersion1);
        return result;
    }

    // The line `key` of one number text for each of `into`, in their order;
    // returns the line's number.
    int numberTexts(std::string_view key, std::initializer_list<std::string*> into)
    {
        const auto& values = keyLine(key, into.size());
        size_t i = 0;
        for (std::string* text : into)
            *text = numberText(values[i++]);
        return lineNumber_;
    }

    std::string text(std::string_view field) { return unescape(field); }
    char systemSeparator() const { return systemSeparator_; }
    std::string keyText(std::string_view key) { return unescape(keyLine(key, 1)[0]); }

    // Whether the next line is the item `key` (an item that may be left out).
    bool nextIs(std::string_view key) const
    {
        const std::string_view next = lines_.peek();
        return next.substr(0, next.find('\t')) == key;
    }

    // A number text: written with the file's separator, read with the system's.
    std::string numberText(std::string_view field)
    {
        std::string t = unescape(field);
        if (fileSeparator_ != systemSeparator_ && parseNumber(t, fileSeparator_))
            std::replace(t.begin(), t.end(), fileSeparator_, systemSeparator_);
        return t;
    }

    // A number text into a table cell. Nearly every field is stored as it
    // reads (no escape, the separator of the system or none), so it is set
    // straight from the line without a copy of its own.
    void setNumberCell(TextTable& table, int row, int col, std::string_view field)
    {
        const bool sameSeparator = fileSeparator_ == systemSeparator_ ||
                                   field.find(fileSeparator_) == std::string_view::npos;
        const bool asStored = field.find('\\') == std::string_view::npos && sameSeparator;
        if (asStored)
            table.setCell(row, col, field);
        else
            table.setCell(row, col, numberText(field));
    }

    // A table line "key n" (n at most maxRows) and its n rows of number texts,
    // into `table` whose row 0 (the headings) stays; returns the count's line.
    // The table is sized once for the count and filled row by row.
    // A count too large takes the lines of the next items as rows: once a row
    // looks like an item, a row that does not fit or the end of the file is
    // blamed on the count's line, not on the line where the rows ran out.
    int table(std::string_view key, TextTable& table, int columns, int maxRows)
    {
        const int rows = integer(key, 0, maxRows);
        const int countLine = lineNumber_;
        bool itemTakenAsRow = false;
        table.resize(rows + 1, columns);
        for (int r = 1; r <= rows; ++r) {
            if (itemTakenAsRow && lines_.atEnd())
                fail(countLine, rowCountMismatch(rows));
            advance();
            itemTakenAsRow = itemTakenAsRow || looksLikeKeyOrSection(fields_[0]);
            if (static_cast<int>(fields_.size()) != columns) {
                if (itemTakenAsRow)
                    fail(countLine, rowCountMismatch(rows));
                fail(lineNumber_, "řádek tabulky má mít " + std::to_string(columns) +
                                      " hodnoty oddělené tabulátorem");
            }
            for (int c = 0; c < columns; ++c)
                setNumberCell(table, r, c, fields_[static_cast<size_t>(c)]);
        }
        lastTable_ = {lineNumber_, countLine, rows, columns, itemTakenAsRow};
        return countLine;
    }

    // 1-based number of the line read last.
    int line() const { return lineNumber_; }

    [[noreturn]] void badValueOf(std::string_view key, std::string_view value) const { badValue(key, value); }

    [[noreturn]] void fail(int line, const std::string& what) const
    {
        throw Error("Soubor projektu je poškozen na řádku " + std::to_string(line) + ": " + what);
    }

private:
    struct LastTable {
        int endLine = -1;
        int countLine = 0;
        int rows = 0;
        int columns = 0;
        bool itemTakenAsRow = false;
    };

    void advance()
    {
        if (lines_.atEnd())
            fail(lines_.lineNumber() + 1, "soubor končí před ukončením " + quoted("[end]"));
        line_ = cp1250AsUtf8(lines_.next(), converted_);
        lineNumber_ = lines_.lineNumber();
        // Every line of the section ends with CR LF and its texts carry LF as
        // "\n": an LF of its own is a line end written without its CR.
        if (line_.find('\n') != std::string::npos)
            fail(lineNumber_, "řádek končí jen znakem LF místo CR LF");
        fields_.clear();
        std::string_view rest = line_;
        for (;;) {
            const size_t tab = rest.find('\t');
            fields_.push_back(rest.substr(0, tab));
            if (tab == std::string_view::npos)
                break;
            rest.remove_prefix(tab + 1);
        }
    }

    static bool looksLikeKeyOrSection(std::string_view word)
    {
        return word.starts_with('[') || isOneOf(word, kKeys);
    }

    std::string rowCountMismatch(int rows) const
    {
        return "počet řádků tabulky " + std::to_string(rows) + " neodpovídá řádkům, které následují";
    }

    // The line read is not the expected `what`: names the line that is wrong.
    [[noreturn]] void unexpected(std::string_view what) const
    {
        if (lastTable_.endLine == lineNumber_ - 1) {
            // A count too small leaves rows where the next item belongs; a count
            // too large takes the next section's header as the last row.
            const bool extraRow = static_cast<int>(fields_.size()) == lastTable_.columns &&
                                  !looksLikeKeyOrSection(fields_[0]);
            if (extraRow || lastTable_.itemTakenAsRow)
                fail(lastTable_.countLine, rowCountMismatch(lastTable_.rows));
        }
        std::string_view found = fields_[0];
        if (version_ < 2 && isOneOf(found, kVersion2Keys))
            fail(lineNumber_, "položka " + quoted(found) + kBeyondVersion1);
        if (version_ < 3 && isOneOf(found, kVersion3Keys))
            fail(lineNumber_, "položka " + quoted(found) + " patří až do datové části verze 3, soubor je označen verzí " +
                                  std::to_string(version_));
        if (found.starts_with('[') && !isOneOf(found, kSectionNames))
            fail(lineNumber_, "neznámá sekce " + quoted(line_));
        fail(lineNumber_, "očekáváno " + quoted(what) + ", nalezeno " + quoted(line_));
    }

    After resultsOrEndRead() const
    {
        if (fields_.size() == 1 && fields_[0] == "[results]")
            return After::Results;
        if (fields_.size() == 1 && fields_[0] == "[end]")
            return After::End;
        unexpected("[end]");
    }

    [[noreturn]] void badValue(std::string_view key, std::string_view value) const
    {
        fail(lineNumber_, "neplatná hodnota " + quoted(value) + " položky " + quoted(key));
    }

    std::string unescape(std::string_view field) const
    {
        if (field.find('\\') == std::string_view::npos)
            return std::string(field);
        std::string out;
        out.reserve(field.size());
        for (size_t i = 0; i < field.size(); ++i) {
            if (field[i] != '\\') {
                out += field[i];
                continue;
            }
            const char next = i + 1 < field.size() ? field[i + 1] : '\0';
            switch (next) {
            case '\\': out += '\\'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'n': out += '\n'; break;
            default: fail(lineNumber_, "neplatná posloupnost se znakem \\ v textu");
            }
            ++i;
        }
        return out;
    }

    ProjectFileLines& lines_;
    char fileSeparator_;
    char systemSeparator_;
    std::string_view line_;     // the line read last, as UTF-8: a view of the file or of converted_
    std::string converted_;     // a line that was not ASCII, converted
    int lineNumber_ = 0;
    std::vector<std::string_view> fields_;
    std::vector<std::string_view> values_;
    LastTable lastTable_;
    int version_ = 1;
};

void readBeam(SectionReader& r, BeamModel& beam, DataSectionLines& at)
{
    r.section("[beam]");
    beam.kind = static_cast<BeamKind>(r.integer("kind", 0, 1));
    beam.length = r.numberText(r.keyLine("length", 1)[0]);
    at.length = r.line();
    beam.memberCountText = r.keyText("memberCount");
    at.members = r.table("members", beam.members, kMemberColumns, kMaxMemberRows);
}

void readSection(SectionReader& r, CrossSection& section)
{
    r.section("[section]");
    section.type = static_cast<SectionType>(r.integer("type", 0, 4));
    const auto& dims = r.keyLine("dimensions", 4);
    for (size_t i = 0; i < 4; ++i)
        section.dimensions[i] = r.numberText(dims[i]);
    r.numberTexts("values", {&section.area, &section.inertia, &section.eBottom, &section.eTop});
    section.valuesEditable = r.flag("valuesEditable");
}

SlotStatus statusOf(bool entered) { return entered ? SlotStatus::Entered : SlotStatus::NotEntered; }

// The lines a slot's section begins with: its heading and whether it is shown.
template <class Slot>
void readSlotHeading(SectionReader& r, const char* heading, int k, Slot& slot, SlotItemLines& at)
{
    r.numberedSection(heading, k);
    at.header = r.line();
    slot.shown = r.flag("shown");
    at.shown = r.line();
}

// Whether the slot is entered and whether it is drawn, after its texts.
template <class Slot>
void readSlotMarks(SectionReader& r, Slot& slot, SlotItemLines& at)
{
    slot.status = statusOf(r.flag("status"));
    at.status = r.line();
    slot.draw = r.flag("draw");
    at.draw = r.line();
}

void readQuantity(SectionReader& r, QuantitySlot& slot, int k, SlotItemLines& at)
{
    readSlotHeading(r, "[quantity]", k, slot, at);
    slot.description = r.keyText("description");
    slot.kindText = r.keyText("kind");
    readSlotMarks(r, slot, at);
    slot.entryMode = static_cast<EntryMode>(r.versionedInteger("mode", -1, 1, 2));
    at.modeOrType = r.line();
    slot.sourceFile = r.keyText("file");
    if (r.version() >= 2) {
        slot.station = r.numberText(r.keyLine("station", 1)[0]);
        at.station = r.line();
        if (slot.entryMode == EntryMode::Generated) {
            const auto& g = r.keyLine("generator", 3);
            at.generator = r.line();
            const std::string kind = r.text(g[0]);
            if (!lineKindOfCode(kind))
                r.badValueOf("generator", g[0]);
            const bool needsModulus = lineNeedsStiffness(*lineKindOfCode(kind));
            slot.generator = {kind, r.numberText(g[1]), needsModulus ? r.numberText(g[2]) : r.text(g[2])};
        }
    }
    // A slot that was ever stored carries the headings the store writes.
    if (slot.entryMode != EntryMode::None)
        slot.line.setRow(0, {"Staničení [m]", "Pořadnice"});
    at.points = r.table("points", slot.line, kLineColumns, kMaxLineRows);
}

// How a tendon is stressed: the line `stressing` and the steel's strength
// after it, checked as the stressing window checks them.
void readStressing(SectionReader& r, TendonSlot& slot)
{
    const auto& f = r.keyLine("stressing", 8);
    const int line = r.line();
    if (!stressingApplies(slot.type))
        r.fail(line, "napínání lze zadat jen u lomeného a parabolického kabelu");
    TendonStressing s{r.text(f[0]),       r.numberText(f[1]), r.numberText(f[2]), r.numberText(f[3]),
                      r.numberText(f[4]), r.numberText(f[5]), r.numberText(f[6]), r.numberText(f[7]),
                      r.numberText(r.keyLine("steel", 1)[0])};
    if (const auto fault = checkStressing(s, r.systemSeparator()).fault)
        r.fail(fault->focus == Field::StressingStrength ? r.line() : line, fault->message);
    slot.stressing = std::move(s);
}

void readTendon(SectionReader& r, TendonSlot& slot, int k, SlotItemLines& at)
{
    readSlotHeading(r, "[tendon]", k, slot, at);
    slot.name = r.keyText("name");
    slot.typeText = r.keyText("typeText");
    at.typeText = r.line();
    readSlotMarks(r, slot, at);
    slot.type = static_cast<TendonType>(r.versionedInteger("type", -1, 1, 4));
    at.modeOrType = r.line();
    const bool parabolic = isParabolicType(slot.type);
    if (parabolic) {
        slot.divisions = r.keyText("divisions");
        at.divisions = r.line();
        slot.points.setColCount(kParabolicTendonColumns);
    }
    slot.stressing.reset();
    if (r.version() >= 3 && r.nextIs("stressing"))
        readStressing(r, slot);
    if (slot.type != TendonType::None)
        slot.points.setRow(0, {"Staničení", "Excentricita", "Předpínací síla", kMidEccentricityHeading});
    at.points = r.table("points", slot.points, parabolic ? kParabolicTendonColumns : kTendonColumns, kMaxTendonRows);
}

void readLoads(SectionReader& r, LoadInput& loads, LoadLines& at)
{
    at.uniform = r.numberTexts("uniform", {&loads.selfWeight, &loads.permanent, &loads.variable});
    at.axles = r.table("axles", loads.axles, kAxleColumns, kMaxAxleCount);
}

void readCheck(SectionReader& r, CheckInput& check, CheckLines& at)
{
    at.concrete = r.numberTexts("concrete", {&check.strength, &check.tensileStrength, &check.strengthAtTransfer,
                                             &check.tensileStrengthAtTransfer});
    at.psi2 = r.numberTexts("psi2", {&check.psi2});
}

void readResults(SectionReader& r, EvaluationResult& results)
{
    for (int q = 0; q < kSlotCount; ++q) {
        const auto& f = r.keyLine("quantity", 11);
        r.integerOf("quantity", f[0], q + 1, q + 1);
        results.block[q] = r.flagOf("quantity", f[1]) ? BlockState::Evaluated : BlockState::NotEvaluated;
        results.caption[q] = r.text(f[2]);
        results.comment[q] = r.text(f[3]);
        results.unit[q] = r.text(f[4]);
        for (int t = 0; t < kSlotCount; ++t)
            results.value[q][t] = r.numberText(f[5 + t]);
        results.groupSum[q] = r.numberText(f[10]);
    }
    const auto& f = r.keyLine("tendons", 2 * kSlotCount);
    for (int t = 0; t < kSlotCount; ++t) {
        results.selectable[t] = r.flagOf("tendons", f[t]);
        results.group[t] = r.flagOf("tendons", f[kSlotCount + t]);
    }
}

// The input before the tendon blocks: the beam, its section and the lines.
void readBeamToLines(SectionReader& r, Project& project, DataSectionLines& at)
{
    readBeam(r, project.beam, at);
    readSection(r, project.section);
    for (int k = 0; k < kSlotCount; ++k)
        readQuantity(r, project.quantities[k], k, at.quantities[k]);
}

// The tendon blocks and everything after them, up to "[end]".
void readTendonsToEnd(SectionReader& r, Project& project, DataSectionLines& at)
{
    for (int k = 0; k < kSlotCount; ++k)
        readTendon(r, project.tendons[k], k, at.tendons[k]);
    SectionReader::After after = r.nextBlock(SectionReader::After::Tendons);
    if (after == SectionReader::After::Loads) {
        readLoads(r, project.loads, at.loads);
        after = r.nextBlock(after);
    }
    if (after == SectionReader::After::Check) {
        readCheck(r, project.check, at.check);
        after = r.nextBlock(after);
    }
    if (after == SectionReader::After::Results) {
        readResults(r, project.results);
        r.section("[end]");
    }
}

// Below this many bytes a section is read line after line only: a second
// thread would cost more than it saves.
constexpr std::size_t kBytesWorthTwoThreads = 64 * 1024;

// What the two threads of a large section checked while reading: every slot
// of a page, or nothing of it.
struct CheckedSlots {
    std::optional<SlotChecks> lines;
    std::optional<SlotChecks> tendons;
};

// A large section is read in two parts at once: the lines up to the first
// tendon block, and the tendon blocks on, from the line "[tendon] 1" found
// ahead. True when both parts were read without a fault and the first ended
// exactly where the second began; then `lines` stands after the section as
// reading line after line leaves it. Any fault, or a first part that did not
// end at that line, gives false, and what was read must be discarded: the
// section is then read line after line, which names the faulty line.
//
// Each thread, once done reading, takes the slot checks whose input is read:
// those of the lines once the first part is, those of the tendons once both
// are (they read the beam and its section).
bool readInTwoParts(SectionReader& head, ProjectFileLines& lines, Project& project, DataSectionLines& at,
                    CheckedSlots& checked)
{
    if (lines.bytesLeft() < kBytesWorthTwoThreads)
        return false;
    const ProjectFileLines sectionLines = lines;
    std::optional<ProjectFileLines> tendonStart;
    std::optional<ProjectFileLines> tendonLines;
    std::array<std::atomic<bool>, 2> partRead{false, false};
    std::atomic<size_t> nextLine{0};
    std::atomic<size_t> nextTendon{0};
    SlotChecks lineChecks;
    SlotChecks tendonChecks;
    const char sep = head.systemSeparator();
    const auto checkWhatIsRead = [&] {
        if (!partRead[0])
            return;
        for (size_t k = nextLine++; k < kSlotCount; k = nextLine++)
            checkLineSlot(project, at, k, sep, lineChecks);
        if (!partRead[1])
            return;
        for (size_t k = nextTendon++; k < kSlotCount; k = nextTendon++)
            checkTendonSlot(project, at, k, sep, tendonChecks);
    };
    std::atomic<bool> checksLost{false};
    runInParallel(2, [&](size_t part) {
        try {
            if (part == 0) {
                readBeamToLines(head, project, at);
            } else {
                tendonStart = sectionLines.fromLine("[tendon]\t1");
                if (!tendonStart)
                    return;
                tendonLines = tendonStart;
                SectionReader tail(*tendonLines, head);
                readTendonsToEnd(tail, project, at);
            }
        } catch (...) {
            return;  // read again line after line, which reports it where it belongs
        }
        partRead[part] = true;
        try {
            checkWhatIsRead();
        } catch (...) {
            checksLost = true;  // checked again after reading
        }
    });
    if (!partRead[0] || !partRead[1] || !lines.samePlaceAs(*tendonStart))
        return false;
    // Every check that was taken is done: the threads have ended.
    if (nextLine >= kSlotCount && !checksLost)
        checked.lines = std::move(lineChecks);
    if (nextTendon >= kSlotCount && !checksLost)
        checked.tendons = std::move(tendonChecks);
    lines = *tendonLines;
    return true;
}

}  // namespace

bool readDataSection(ProjectFileLines& lines, Project& project, char decimalSeparator, SectionReading reading)
{
    const ProjectFileLines start = lines;
    const Project fresh = project;
    SectionReader r(lines, decimalSeparator);
    if (!r.opens())
        return false;
    r.readSeparator();
    DataSectionLines at;
    CheckedSlots checked;
    if (reading == SectionReading::LineByLine || !readInTwoParts(r, lines, project, at, checked)) {
        // From the first line again, with nothing of the attempt kept.
        lines = start;
        project = fresh;
        at = DataSectionLines();
        checked = CheckedSlots();
        SectionReader again(lines, decimalSeparator);
        again.opens();
        again.readSeparator();
        readBeamToLines(again, project, at);
        readTendonsToEnd(again, project, at);
    }
    // Judged once the whole section is read, so that a damaged line is named
    // as such rather than as a fault of the input before it.
    const SlotChecks* linesChecked = checked.lines ? &*checked.lines : nullptr;
    const SlotChecks* tendonsChecked = checked.tendons ? &*checked.tendons : nullptr;
    if (const auto fault = checkDataSectionInput(project, at, decimalSeparator, linesChecked, tendonsChecked))
        r.fail(fault->line, fault->message);
    return true;
}

}  // namespace kvor
