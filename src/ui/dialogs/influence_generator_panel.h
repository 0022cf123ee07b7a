#pragma once
// The panel "Z konstrukce" of the influence-line dialog: what a line generated
// from the beam needs besides the beam itself. The kind comes from the slot's
// kind box on the main window and is only shown; the station X is typed, or
// for "Reakce" chosen among the supports a, b, c, …; the step; for "Průhyb" and
// "Pootočení" the modulus of elasticity E. "Vygenerovat" asks the dialog to
// generate; the panel itself checks and computes nothing.

#include "analysis/slot_generation.h"

#include <QFrame>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvor::ui {

class InfluenceGeneratorPanel : public QFrame {
    Q_OBJECT
public:
    explicit InfluenceGeneratorPanel(QWidget* parent);

    // Shows the kind text and the controls it needs, with the supports to
    // choose from for a reaction.
    void prepare(const QString& kindText, const std::vector<SupportChoice>& supports);
    // The fields as typed; for a reaction X is the chosen support's station.
    GeneratorInput input() const;
    // Fills the fields (a stored line's parameters, or the defaults).
    void setInput(const GeneratorInput& input);
    void setLocked(bool locked);

signals:
    void generateClicked();

private:
    bool reaction() const;

    std::vector<SupportChoice> supports_;
    QLabel* kindCaption_;          // "Veličina:"
    QLabel* kind_;                 // the kind text
    QLabel* stationCaption_;       // "Staničení X [m]" / "Podpora"
    QLineEdit* station_;           // X
    QComboBox* supportBox_;        // the supports a, b, c, …
    QLabel* stepCaption_;          // "Krok [m]"
    QLineEdit* step_;              // H
    QLabel* modulusCaption_;       // "Modul pružnosti E [MPa]"
    QLineEdit* modulus_;           // E
    QPushButton* generateButton_;  // "Vygenerovat"
};

}  // namespace kvor::ui
