#pragma once
// The engineer's unsaved input: "Uložit" (Ctrl+S) and "Uložit jako…" write
// the input alone, in the format of the save panel's "pouze vstupní data";
// every way out of the program asks "Uložit / Neukládat / Storno" first while
// anything is unsaved.

#include "ui/app_context.h"

#include <QString>

#include <functional>

namespace kvor::ui {

class MessageService;

// "Uložit": into the project's file, or as "Uložit jako…" while it has none.
// Returns whether the input was written; a failure was shown.
bool saveInput(AppContext& context);
// "Uložit jako…": a file dialog (the system's dialog asks before replacing a
// file), then the input into the chosen file.
bool saveInputAs(AppContext& context);

// Before the program ends: true when it may end now — nothing is unsaved, or
// the engineer saved ("Uložit", and the save succeeded) or chose "Neukládat".
// False for "Storno" and for a save that did not happen.
// `before` says what comes next, as the question ends: "před ukončením
// programu", "před otevřením jiného projektu".
bool settleUnsavedWork(AppContext& context, const QString& before = QStringLiteral("před ukončením programu"));

// An entry dialog closed through its frame after edits: keep them (store
// them as "Zpět" does), discard them, or stay in the dialog. `what` names the
// slot's content: "kabelu", "příčinkové čáry".
enum class EditsOnClose { Keep, Discard, Stay };
EditsOnClose askAboutEdits(MessageService& messages, const QString& what);
// The same for a window whose frame closes it: `keep` runs when they are to
// be kept (it stores them and closes the window as its back button does).
// Whether the window is to close dropping them.
bool dropEditsOnClose(MessageService& messages, const QString& what, const std::function<void()>& keep);

// The window title of a project: "Kvor1.1 – Most.txt[*]" (Qt shows the
// marker while the window is modified), "Kvor1.1[*]" without a file.
QString projectWindowTitle(const AppContext& context);

}  // namespace kvor::ui
