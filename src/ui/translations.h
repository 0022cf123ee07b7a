#pragma once
// Qt's own texts in Czech: the standard buttons ("Storno", "Ano"), the file
// dialogs ("Hledat v:") and the context menus of the input fields speak the
// language of the rest of the program.

class QCoreApplication;

namespace kvor::ui {

// Loads Qt's Czech translations (qtbase_cs.qm, from Qt's translations folder)
// into the application. False when they are not installed: Qt then keeps its
// English texts, and the program works as before.
bool installCzechQtTranslations(QCoreApplication& application);

}  // namespace kvor::ui
