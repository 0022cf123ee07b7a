#pragma once
// The result window: the effects of the last evaluation per quantity and
// tendon, and the commands "Zpět na zadání", "Uložit", "Konec" and "Výsledky
// pro skupinu kabelů", each of the last three opening its panel over the
// window's middle while the commands wait disabled. "Tabulka kabelů" shows
// the working tables of the run point by point; "Účinky zatížení", beside the
// heading, what the loads do through the influence lines.
//
// The window is a view of the project's EvaluationResult: it shows the model
// whenever it is shown, so after "Výpočet" and after "Pomoc" alike it shows
// what the last run (and whatever came after it) left.

#include "ui/app_context.h"
#include "ui/windows/result_block.h"
#include "ui/windows/working_tables_window.h"

#include <array>
#include <optional>

class QPushButton;

namespace kvor::ui {

class ExitPanel;
class GroupPanel;
class SavePanel;

class ResultWindow : public WorkingTablesWindow {
    Q_OBJECT
public:
    explicit ResultWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the model's results: the five blocks and the group panel. Whether
    // the project is saved is read from the project when "Konec" asks.
    void loadFromModel() override;

    void returnToInput();        // "Zpět na zadání"
    void openSavePanel();        // "Uložit": the save panel
    void exitProgram();          // "Konec": the exit panel
    void openGroupPanel();       // "Výsledky pro skupinu kabelů": the group panel
    void showTendonTables();     // "Tabulka kabelů"
    void writeReport();          // "Protokol…": the calculation report as a PDF
    void showSectionStresses();  // "Napětí v průřezu": the prestress in the checked sections
    void showLoadEffects();  // "Účinky zatížení": the loads through the influence lines
    void showStressCheck();  // "Posouzení napětí": the stress check of the checked sections

    SavePanel* savePanel() const { return Panel3; }
    ExitPanel* exitPanel() const { return Panel2; }
    GroupPanel* groupPanel() const { return Panel4; }

signals:
    void inputRequested();          // show the main window on its first page
    void programEndRequested();     // "Konec" confirmed in the exit panel
    void tendonTablesRequested();   // show the tendon tables
    void sectionStressRequested();  // show the prestress in the checked sections
    void loadEffectsRequested();    // show the effects of the loads
    void stressCheckRequested();    // show the stress check of the checked sections

protected:
    // The frame: as "Konec" while the commands are enabled.
    void goBack() override;

private:
    void setCommandsEnabled(bool enabled);
    void panelClosed();

    std::array<std::optional<ResultBlock>, kSlotCount> blocks_;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn11;
    QPushButton* BitBtn12;
    QPushButton* BitBtn15;
    QPushButton* BitBtn13;
    QPushButton* BitBtn14;
    SavePanel* Panel3;
    ExitPanel* Panel2;
    GroupPanel* Panel4;
};

}  // namespace kvor::ui
