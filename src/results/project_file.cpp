#include "results/project_file.h"

#include "model/error.h"
#include "model/slots.h"
#include "model/visible_text.h"
#include "results/cp1250.h"
#include "results/data_section.h"
#include "results/file_io.h"
#include "results/project_lines.h"

#include <algorithm>

namespace kvor {

namespace {

// "Vstupní soubor programu Kvor1.1" in code page 1250: the "í" is 0xED.
constexpr std::string_view kHeader = "Vstupn\xED soubor programu Kvor1.1";
constexpr std::string_view kLineEnd = "\r\n";
constexpr char kEndOfText = '\x1A';
constexpr int kWholeFile = -1;

// Lines 2 to 5 are written exactly as they stand, so a CR (which ends a line)
// or the end mark in them would shift or cut the lines that follow; they are
// refused. A lone LF is text to the reader and reads back as it was written.
void appendInfoLine(std::string& out, std::string_view text, std::string_view field,
                    Cp1250Encoder& encoder)
{
    if (text.find_first_of("\r\x1A") != std::string_view::npos)
        throw controlCharacterInText(field);
    if (!encoder.append(out, text))
        throw characterNotInCodePage(field);
    out += kLineEnd;
}

// Line 1 can no longer be the header: the bytes so far leave its first line
// different from the header.
bool headerRuledOut(std::string_view bytes)
{
    const size_t common = std::min(bytes.size(), kHeader.size());
    if (bytes.substr(0, common) != kHeader.substr(0, common))
        return true;
    return bytes.size() > kHeader.size() && bytes[kHeader.size()] != '\r' &&
           bytes[kHeader.size()] != kEndOfText;
}

// The length of the text before the first byte 0x1A, when it comes within
// the first `maxBytes` bytes of the file.
std::optional<size_t> endMarkWithin(const std::filesystem::path& file, size_t maxBytes, size_t piece)
{
    InputFile input(file);
    std::string bytes;
    size_t seen = 0;
    while (seen <= maxBytes && input.readMore(bytes, piece)) {
        const size_t end = bytes.find(kEndOfText);
        if (end != std::string::npos && seen + end <= maxBytes)
            return seen + end;
        if (end != std::string::npos)
            return std::nullopt;
        seen += bytes.size();
        bytes.clear();
    }
    return std::nullopt;
}

// The file's bytes as far as the reader needs them: its first `lineCount`
// lines, or its text up to the end mark. Stops early once line 1 is known not
// to be the header, so a preview of a large unrelated text file reads one
// piece only; bytes after the end mark are never read.
std::string readProjectBytes(const std::filesystem::path& file, int lineCount,
                             std::size_t maxBytes = kMaxProjectFileBytes)
{
    constexpr size_t kPiece = 64 * 1024;
    InputFile input(file);
    std::string bytes;
    if (lineCount == kWholeFile) {
        std::error_code unknownSize;
        const auto size = std::filesystem::file_size(file, unknownSize);
        if (!unknownSize) {
            // A file beyond the limit is looked through piece by piece first:
            // without its end mark in time it is refused holding one piece.
            std::uintmax_t text = size;
            if (size > maxBytes) {
                const std::optional<size_t> end = endMarkWithin(file, maxBytes, kPiece);
                if (!end)
                    throw Error(projectFileTooLarge(maxBytes));
                text = *end;
            }
            // Room for the whole text at once: a text growing by doubling
            // would hold two copies near the limit.
            bytes.reserve(static_cast<size_t>(text) + 2 * kPiece);
        }
    }
    int lineEnds = 0;
    size_t scanned = 0;
    while (input.readMore(bytes, kPiece)) {
        if (const size_t end = bytes.find(kEndOfText, scanned); end != std::string::npos) {
            bytes.resize(end);
            break;
        }
        if (bytes.size() > maxBytes)
            throw Error(projectFileTooLarge(maxBytes));
        if (headerRuledOut(bytes))
            break;
        if (lineCount != kWholeFile) {
            lineEnds += static_cast<int>(std::count(bytes.begin() + static_cast<std::ptrdiff_t>(scanned),
                                                    bytes.end(), '\r'));
            if (lineEnds >= lineCount)
                break;
        }
        scanned = bytes.size();
    }
    return bytes;
}

std::filesystem::path chosenFile(const std::filesystem::path& directory, std::string_view name)
{
    return directory / std::filesystem::path(std::string(name));
}

// Lines 2 to 5 into the project information, which becomes read-only.
void takeInfoLines(ProjectFileLines& lines, ProjectInfo& info)
{
    std::string name = cp1250ToUtf8(lines.next());
    std::string description = cp1250ToUtf8(lines.next());
    std::string author = cp1250ToUtf8(lines.next());
    std::string createdOn = cp1250ToUtf8(lines.next());
    setInfoFromFile(info, std::move(name), std::move(description), std::move(author),
                    std::move(createdOn));
}

// The separator a file was saved with: line 7, the line after "[data]",
// reads "separator<TAB>c"; `fallback` when it does not.
char storedDecimalSeparator(std::string_view bytes, char fallback)
{
    constexpr int kLinesBefore = 6;  // header, four information lines, "[data]"
    constexpr std::string_view kKey = "separator\t";
    ProjectFileLines lines(bytes);
    for (int i = 0; i < kLinesBefore; ++i)
        lines.next();
    const std::string_view line = lines.next();
    if (line.size() == kKey.size() + 1 && line.starts_with(kKey))
        return line.back();
    return fallback;
}

}  // namespace

std::string projectFileTooLarge(std::size_t maxBytes)
{
    return "Soubor projektu je delší než " + std::to_string(maxBytes) +
           " bajtů; delší soubor projektu Kvor1.1 nenačte";
}

bool hasLfOnlyLineEnds(std::string_view bytes)
{
    return bytes.starts_with(kHeader) && bytes.substr(kHeader.size()).starts_with('\n');
}

std::string_view projectFileName(SaveVariant variant)
{
    return variant == SaveVariant::WithResults ? "Kvorprj.txt" : "Kvordat.txt";
}

std::string_view projectFileStem(SaveVariant variant)
{
    return variant == SaveVariant::WithResults ? "Kvorprj" : "Kvordat";
}

std::string encodeProjectFile(const Project& project, SaveVariant variant, char decimalSeparator)
{
    Cp1250Encoder encoder;
    std::string out(kHeader);
    out += kLineEnd;
    appendInfoLine(out, project.info.name, "Jméno projektu", encoder);
    appendInfoLine(out, project.info.description, "Popis projektu", encoder);
    appendInfoLine(out, project.info.author, "Autor projektu", encoder);
    appendInfoLine(out, project.info.createdOn, "Datum vytvoření projektu", encoder);
    appendDataSection(out, project, variant == SaveVariant::WithResults, decimalSeparator, encoder);
    return out;
}

std::string savedProjectFileName(std::string_view typedName, SaveVariant variant)
{
    const auto first = typedName.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::string(projectFileName(variant));
    const std::string_view name = typedName.substr(first, typedName.find_last_not_of(" \t") - first + 1);
    const std::filesystem::path path{std::string(name)};
    return path.has_extension() ? std::string(name) : std::string(name) + ".txt";
}

std::filesystem::path saveProject(Project& project, SaveVariant variant,
                                  const std::filesystem::path& directory, char decimalSeparator)
{
    const std::filesystem::path file = chosenFile(directory, projectFileName(variant));
    saveProjectAs(project, variant, file, decimalSeparator);
    return file;
}

void saveProjectAs(Project& project, SaveVariant variant, const std::filesystem::path& file,
                   char decimalSeparator)
{
    // Encoding first: a refused text leaves the disk untouched.
    const std::string bytes = encodeProjectFile(project, variant, decimalSeparator);
    replaceFileContents(file, bytes);
    project.results.saved = true;
}

namespace {

// Reads the chosen file's first `lineCount` lines and, when the first is the
// header, hands the lines after it to `take`.
template <typename Take>
OpenOutcome readHeadLines(const std::filesystem::path& directory, std::string_view chosenName, int lineCount,
                          Take take)
{
    if (chosenName == kNoFileChosen)
        return OpenOutcome::NoFileChosen;
    const std::string bytes = readProjectBytes(chosenFile(directory, chosenName), lineCount);
    ProjectFileLines lines(bytes);
    if (lines.next() != kHeader)
        return OpenOutcome::NotAProjectFile;
    take(lines);
    return OpenOutcome::Opened;
}

}  // namespace

std::optional<ProjectPreview> previewProjectFile(const std::filesystem::path& directory,
                                                 std::string_view chosenName)
{
    ProjectPreview preview;
    const OpenOutcome outcome = readHeadLines(directory, chosenName, 4, [&](ProjectFileLines& lines) {
        preview.name = cp1250ToUtf8(lines.next());
        preview.description = cp1250ToUtf8(lines.next());
        preview.author = cp1250ToUtf8(lines.next());
    });
    if (outcome != OpenOutcome::Opened)
        return std::nullopt;
    return preview;
}

OpenOutcome openProjectFile(Project& project, const std::filesystem::path& directory,
                            std::string_view chosenName)
{
    return readHeadLines(directory, chosenName, 5,
                         [&](ProjectFileLines& lines) { takeInfoLines(lines, project.info); });
}

std::optional<LoadedProjectFile> decodeProjectFile(std::string_view bytes, char decimalSeparator)
{
    ProjectFileLines lines(bytes);
    if (lines.next() != kHeader)
        return std::nullopt;
    LoadedProjectFile loaded;
    takeInfoLines(lines, loaded.project.info);
    loaded.hasDataSection = readDataSection(lines, loaded.project, decimalSeparator);
    return loaded;
}

std::optional<std::string> reopeningFault(const Project& project, char decimalSeparator)
{
    try {
        decodeProjectFile(encodeProjectFile(project, SaveVariant::InputOnly, decimalSeparator), decimalSeparator);
    } catch (const Error& damage) {
        return damage.what();
    }
    return std::nullopt;
}

std::string readProjectFileText(const std::filesystem::path& file, std::size_t maxBytes)
{
    return readProjectBytes(file, kWholeFile, maxBytes);
}

std::optional<LoadedProjectFile> loadProjectFile(const std::filesystem::path& directory,
                                                 std::string_view chosenName,
                                                 char decimalSeparator)
{
    if (chosenName == kNoFileChosen)
        return std::nullopt;
    const std::string bytes = readProjectBytes(chosenFile(directory, chosenName), kWholeFile);
    try {
        return decodeProjectFile(bytes, decimalSeparator);
    } catch (const Error& damage) {
        // Nothing of a damaged section is taken: the file opens as one
        // without a data section would.
        ProjectFileLines lines(bytes);
        lines.next();
        LoadedProjectFile loaded;
        takeInfoLines(lines, loaded.project.info);
        loaded.sectionDamage = damage.what();
        return loaded;
    }
}

ProjectFileToOpen readProjectFileToOpen(const std::filesystem::path& directory, std::string_view chosenName,
                                        char decimalSeparator)
{
    if (chosenName == kNoFileChosen)
        return {OpenOutcome::NoFileChosen, {}};
    std::optional<LoadedProjectFile> loaded = loadProjectFile(directory, chosenName, decimalSeparator);
    if (!loaded)
        return {OpenOutcome::NotAProjectFile, {}};
    return {OpenOutcome::Opened, std::move(*loaded)};
}

ProjectToEvaluate readProjectToEvaluate(const std::string& file, std::optional<char> decimalSeparator)
{
    const std::string named = "Soubor „" + visibleText(file) + "“";
    std::string bytes;
    try {
        bytes = readProjectBytes(file, kWholeFile);
    } catch (const Error& e) {
        throw Error(named + " nelze přečíst: " + failureText(e));
    }
    const char sep = decimalSeparator ? *decimalSeparator : storedDecimalSeparator(bytes, ',');
    if (hasLfOnlyLineEnds(bytes))
        throw Error(named + " má konce řádků jen LF; soubor projektu Kvor1.1 má konce řádků CR LF");
    std::optional<LoadedProjectFile> loaded = decodeProjectFile(bytes, sep);
    if (!loaded)
        throw Error(named + " není soubor projektu Kvor1.1 (první řádek není „Vstupní soubor programu Kvor1.1“)");
    if (!loaded->hasDataSection)
        throw Error(named +
                    " obsahuje jen informace o projektu, chybí v něm datová část se zadáním; nelze jej vyhodnotit");
    return {std::move(loaded->project), sep};
}

}  // namespace kvor
