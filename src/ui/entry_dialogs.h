#pragma once
// The passages between the main window and the windows of the entry: each
// slot row's "Zadat" opens its dialog, a store in a dialog shows in the rows,
// and "Button2" of the tendon page opens the tendon store window, whose
// "Button1" leads back.

namespace kvor::ui {

class MainWindow;
class InfluenceLineDialog;
class TendonDialog;
class TendonStoreWindow;

void linkEntryWindows(MainWindow& mainWindow, InfluenceLineDialog& influenceDialog, TendonDialog& tendonDialog, TendonStoreWindow& tendonStore);

}  // namespace kvor::ui
