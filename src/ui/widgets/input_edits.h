#pragma once
// Which changes of an input window are the engineer's: the fields write the
// project themselves as they are typed into, and the window loads them anew
// when a project is opened. Only a change made while the field (or a part of
// it, such as a table's cell editor) holds the focus is an edit; a load is not.

#include <functional>

class QWidget;

namespace kvor::ui {

// Calls `edited` after every edit of a line edit, spin box, combo box,
// check box, radio button or table inside `window`, as they exist now.
void watchInputEdits(QWidget* window, const std::function<void()>& edited);

}  // namespace kvor::ui
