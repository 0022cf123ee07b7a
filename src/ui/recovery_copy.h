#pragma once
// The recovery copy of unsaved input: while the project has unsaved changes
// its input is written (atomically, as saves are) into the user's data folder
// at most every two minutes and whenever a slot is stored. A normal end of the
// program removes it; a copy found at the next start was left by a crash or a
// kill, and the start window offers to open it.

#include "ui/app_context.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace kvor::ui {

class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    // `folder`: where the copy lives; the user's data folder of the program
    // (QStandardPaths::AppLocalDataLocation) when empty.
    explicit RecoveryCopy(AppContext& context, QString folder = {}, QObject* parent = nullptr);

    static constexpr int kIntervalMs = 2 * 60 * 1000;

    QString path() const { return path_; }
    bool exists() const;
    // Writes the copy now when anything is unsaved. A failure is no error of
    // the engineer's command: it is logged, and the next attempt may succeed.
    void writeNow();
    // The program ends normally, or the input is saved: no copy is needed.
    void remove();

    // A copy left by an earlier run, offered at the start: "Obnovit neuložený
    // projekt z …?". On "Obnovit" the copy is opened as an unsaved project
    // without a file of its own; either way the old copy is removed. Returns
    // whether a project was recovered.
    bool offerRecovery();

private:
    AppContext& context_;
    QString path_;
    QTimer timer_;
};

}  // namespace kvor::ui
