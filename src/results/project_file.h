#pragma once
// The project file: a text file in code page 1250 with CR LF line ends.
//
//   line 1   "Vstupní soubor programu Kvor1.1" (the "í" is the byte 0xED)
//   line 2-5 project name, description, author, creation date, as they stand
//   line 6.. the data section (the whole input, and the results for the
//            variant "uložit včetně výsledků"); see data_section.h
//
// Reading: a line ends at CR, and one LF right after the CR belongs to that
// line end; an LF anywhere else is text. A byte 0x1A or the physical end ends
// the text, and every line past the end reads as an empty text. Bytes after
// 0x1A are never read; a text longer than kMaxProjectFileBytes is refused.
//
// All texts of the model are UTF-8; the file's bytes are code page 1250.
// Failures of the file system throw kvor::Error (Error::fromErrno texts);
// a text that cannot be stored throws kvor::Error with a Czech message naming
// the field.

#include "model/project.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// The two save variants of the save panel, in the order of its radio items.
enum class SaveVariant { InputOnly = 0, WithResults = 1 };

// "Kvordat.txt" / "Kvorprj.txt".
std::string_view projectFileName(SaveVariant variant);
// The name the save panel shows: "Kvordat" / "Kvorprj".
std::string_view projectFileStem(SaveVariant variant);

// The file a save panel's typed name stands for: the name without its
// surrounding spaces, "Kvordat.txt" / "Kvorprj.txt" by the variant when
// nothing is typed, and ".txt" added to a name without an extension.
std::string savedProjectFileName(std::string_view typedName, SaveVariant variant);

// The file name shown while no file is chosen in the start window.
inline constexpr std::string_view kNoFileChosen = "*.txt";

// The largest project file text that is read (1 GB): a project of five
// influence lines of the most points a line may have stays below it, and a
// larger file cannot claim the memory its text would take.
inline constexpr std::size_t kMaxProjectFileBytes = std::size_t{1} << 30;

// The Czech message of the kvor::Error that refuses a text longer than `maxBytes`.
std::string projectFileTooLarge(std::size_t maxBytes = kMaxProjectFileBytes);

// Line 1 is the header followed by a lone LF: a project file whose line ends
// lost their CR (copied through a system that ends lines with LF alone). Such
// a file is no project file to the reader; this tells why.
bool hasLfOnlyLineEnds(std::string_view bytes);

// The complete file content (code page 1250 bytes) for a variant. Throws
// kvor::Error, before producing anything, for a text that code page 1250 cannot
// hold or that would break the file's lines.
std::string encodeProjectFile(const Project& project, SaveVariant variant, char decimalSeparator);

// Save: writes projectFileName(variant) into `directory`, replacing a former
// file only once the new one is completely on disk (temporary file, flush,
// rename), then sets results.saved. On any failure the former file stays whole,
// no temporary file is left, `saved` is unchanged and kvor::Error is thrown.
// Returns the path written.
std::filesystem::path saveProject(Project& project, SaveVariant variant,
                                  const std::filesystem::path& directory, char decimalSeparator);
// The same under a name of the engineer's choice: writes `file`, safely as above.
void saveProjectAs(Project& project, SaveVariant variant, const std::filesystem::path& file,
                   char decimalSeparator);

// Whether the project, once saved, opens again with its data section. The
// windows judge a slot when it is stored, so a beam or section changed since
// can leave a stored line or tendon that the reader refuses as input the
// windows would not store. Returns the reader's message, or nothing.
std::optional<std::string> reopeningFault(const Project& project, char decimalSeparator);

// What the start window previews of a project file: lines 2, 3 and 4.
struct ProjectPreview {
    std::string name;
    std::string description;
    std::string author;
};

// Preview of the chosen file (a bare name in `directory`): nothing for the mask
// "*.txt" or a file whose first line is not the header; throws on I/O failure.
std::optional<ProjectPreview> previewProjectFile(const std::filesystem::path& directory,
                                                 std::string_view chosenName);

enum class OpenOutcome {
    Opened,           // ProjectInfo filled from lines 2 to 5, made read-only
    NoFileChosen,     // the name is the mask: wrong-file window, no beep
    NotAProjectFile,  // first line is not the header: wrong-file window and beep
};

// "Otevřít": on success fills project.info from lines 2 to 5 (setInfoFromFile);
// otherwise the project is untouched. Throws on I/O failure.
OpenOutcome openProjectFile(Project& project, const std::filesystem::path& directory,
                            std::string_view chosenName);

// A project file read whole: the information of lines 2 to 5 (read-only), and,
// when the file has a data section, everything else that was saved.
struct LoadedProjectFile {
    Project project;
    bool hasDataSection = false;  // false: an information-only file
    // loadProjectFile only: the reader's message when the data section was
    // damaged; then nothing of it was taken (hasDataSection is false).
    std::string sectionDamage;
};

// Reads a project file's bytes whole. Nothing when the first line is not the
// header. A damaged data section throws kvor::Error naming the wrong line; the
// number texts are converted to `decimalSeparator` where the file used another.
std::optional<LoadedProjectFile> decodeProjectFile(std::string_view bytes, char decimalSeparator);

// The text of a project file (up to 0x1A) as loadProjectFile reads it; when
// line 1 turns out not to be the header, only the bytes read so far. Throws on
// I/O failure and for a text beyond `maxBytes`.
std::string readProjectFileText(const std::filesystem::path& file,
                                std::size_t maxBytes = kMaxProjectFileBytes);

// As decodeProjectFile, for the chosen file in `directory` (nothing also for
// the mask "*.txt"), except that a damaged data section gives the file as
// information only, with the reader's message in sectionDamage: the start
// window warns and opens what lines 2 to 5 hold. Throws on I/O failure.
std::optional<LoadedProjectFile> loadProjectFile(const std::filesystem::path& directory,
                                                 std::string_view chosenName,
                                                 char decimalSeparator);

// "Otevřít" in the start window: the chosen file (a bare name in `directory`)
// read once, as loadProjectFile reads it. `file` holds what was read when the
// outcome is Opened: a whole project, or the information only (a file without
// a data section, or with a damaged one and the reader's message). Throws on
// I/O failure.
struct ProjectFileToOpen {
    OpenOutcome outcome = OpenOutcome::NoFileChosen;
    LoadedProjectFile file;
};
ProjectFileToOpen readProjectFileToOpen(const std::filesystem::path& directory, std::string_view chosenName,
                                        char decimalSeparator);

// A project file read to be evaluated without a window, as kvor-calc and
// kvor --report read it: its text up to 0x1A, then the whole project. Number
// texts get `decimalSeparator`; without one they keep the separator the file
// was saved with (line 7, "separator<TAB>c"; ',' when the line is missing).
// Throws kvor::Error with one line naming the file (control characters shown
// visibly) and why it cannot be evaluated: it cannot be read (the system's
// failure), it is too large, its lines end with LF alone, it is no project
// file, it holds only the project information, or its data section is damaged
// (the reader's message, naming the line).
struct ProjectToEvaluate {
    Project project;
    char separator = ',';
};
ProjectToEvaluate readProjectToEvaluate(const std::string& file, std::optional<char> decimalSeparator);

}  // namespace kvor
