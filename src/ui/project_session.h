#pragma once
// The owner of the run's one project. It lives as long as the session, and
// its parts stay in place when an opened project takes its place, so the
// windows may hold them by reference. Commands that change the project as a
// whole, or one slot of it, go through it, and it tells the windows: each
// window subscribes in its constructor to the signals of what it shows, so
// no list of windows to refresh is kept anywhere.
//
// The fields of the input pages are still written by their controls as the
// user types; what the session announces are the changes no single control
// makes: a project opened, a slot stored by its dialog, results formed or
// left, the group of tendons chosen, the loads stored.

#include "evaluation/evaluation_pipeline.h"
#include "evaluation/deferred_tendon_tables.h"
#include "model/project.h"
#include "model/report.h"
#include "model/slots.h"
#include "results/project_file.h"
#include "tendons/tendon_store.h"

#include <QObject>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kvor::ui {

class ProjectSession : public QObject {
    Q_OBJECT
public:
    explicit ProjectSession(QObject* parent = nullptr);

    Project& project() { return project_; }
    const Project& project() const { return project_; }

    // "Otevřít" of a file read by readProjectFileToOpen. With a data section
    // the opened project, with the name of its file, takes the place of the
    // one of the run. A file read for its project information only (it has no
    // data section, or a damaged one) gives the run's project its information,
    // and the project keeps its input. What the first "Výpočet" would read
    // out of the opened input is formed here (in numbers of `decimalSeparator`),
    // so that the first run is as quick as any later one.
    void openProject(LoadedProjectFile&& opened, const std::string& fileName, char decimalSeparator);
    // A project recovered from the copy of unsaved input a crash left: it
    // takes the place of the run's one as unsaved work without a file, its
    // information editable as typed.
    void recoverProject(Project&& recovered, char decimalSeparator);

    // The file the project was opened from or last saved to (absolute);
    // empty for a new project.
    const std::filesystem::path& projectFile() const { return projectFile_; }
    // Whether the input changed since the project was opened, saved or begun.
    bool isModified() const { return modified_; }
    // A keystroke or a choice in an input field: the fields write the project
    // themselves, and tell the session that they did.
    void markModified();
    // "Uložit", "Uložit jako…" and the save panel: the project into `file`
    // (see saveProjectAs), which becomes the project's file. Throws kvor::Error
    // and leaves everything as it was when the file cannot be written.
    void saveProject(SaveVariant variant, const std::filesystem::path& file, char decimalSeparator);

    // The creation date proposed for a project begun in the window (free
    // text, the user may type over it); no change of the engineer's.
    void proposeCreationDate(std::string date);

    // "Zpět" of the influence-line dialog: the checked entry table into slot k (1 to 5).
    void storeInfluenceLine(int slot, const TextTable& entryTable, EntryMode mode, std::string_view sourceFile,
                            std::string station);
    void storeGeneratedLine(int slot, const TextTable& entryTable, std::string station,
                            LineGeneratorParameters generator);
    // "Zpět" of the loads window: loads that passed their checks.
    void setLoads(LoadInput loads);

    // "Zpět" of the tendon dialog: a refusal is returned and nothing is stored.
    // A straight tendon has no stressing data; a broken or parabolic one keeps
    // the data its forces were computed from, or none when they were typed.
    std::optional<Report> storeTendon(int slot, const StraightTendonInput& input);
    std::optional<Report> storeTendon(int slot, const BrokenTendonInput& input,
                                      std::optional<TendonStressing> stressing = std::nullopt);
    // A parabolic tendon that passed the whole check.
    void storeParabolicTendon(int slot, TendonType type, TextTable store, std::string_view divisions,
                              std::optional<TendonStressing> stressing = std::nullopt);

    // "Výpočet" before the run (nothing changes): what refuses the run, or
    // the stale input to ask about.
    EvaluationStart prepareEvaluation(char decimalSeparator) const;
    // "Přepočítat" of the question about stale input: the stale lines are
    // generated again and the stale tendons' forces computed again, each slot
    // announced as stored. What cannot be computed any more throws its
    // kvor::Error; the slots done before it stay done.
    void refreshStaleInput(const StaleInput& stale, char decimalSeparator);
    // "Výpočet": evaluates the project. A failure propagates, and what the run
    // wrote before it stays in the results, announced as any other. The values
    // come first: the tendon tables of a run that succeeded are formed when
    // they are first asked for (formTendonTables), from the input as it was.
    void evaluate(char decimalSeparator);
    // Forms the tendon tables the last run left to be formed; nothing when
    // there are none. Whoever shows results.tendonTables calls it first.
    void formTendonTables();
    // "Zpět na zadání": the results are left, and the saved flag with them.
    void returnToInput();

    // The group panel's box of tendon t (0-based) ticked or unticked. The
    // group stays chosen until the user changes it here: closing the panel,
    // leaving the results and a new evaluation keep it.
    void chooseGroupTendon(int t, bool ticked);
    // "Výsledky" of the group panel: the group sums. A value that is no number
    // propagates its conversion error; the sums formed before it stay.
    void sumGroup(char decimalSeparator);

    // The concrete and ψ2 of the stress check, as checked by their fields.
    void setCheckInput(const CheckInput& input);

signals:
    // A whole project took the place of the former one: show it anew.
    void projectReplaced();
    // The project information was set by the program (not typed): show it.
    void infoChanged();
    // Slot k (1 to 5) of the kind was stored by its dialog.
    void slotStored(SlotKind kind, int slot);
    // The results were formed by "Výpočet" or left by "Zpět na zadání".
    void resultsChanged();
    // The stress check's concrete or ψ2 changed.
    void checkInputChanged();
    // The group of tendons or its sums changed.
    void groupChanged();
    // The loads were stored by their window.
    void loadsChanged();
    // The input became unsaved, or saved.
    void modifiedChanged(bool modified);
    // The project was written to `path`.
    void projectSaved(const QString& path);

private:
    QuantitySlot& quantity(int slot);
    TendonSlot& tendon(int slot);

    void setModified(bool modified);

    Project project_;
    std::optional<DeferredTendonTables> pendingTables_;
    std::filesystem::path projectFile_;
    bool modified_ = false;
};

}  // namespace kvor::ui
