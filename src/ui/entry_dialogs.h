#pragma once
// The passages between the main window and the windows of the entry: each
// slot row's "Zadat" opens its dialog, a store in a dialog shows in the rows,
// and "Button2" of the tendon page opens the tendon store window, whose
// "Button1" leads back.

namespace kvor::ui {

class Form5;
class Form6;
class Form8;
class Form9;

void linkEntryWindows(Form5& mainWindow, Form6& influenceDialog, Form8& tendonDialog, Form9& tendonStore);

}  // namespace kvor::ui
