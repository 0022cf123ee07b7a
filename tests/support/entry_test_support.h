#pragma once
// The main window with the entry windows linked to it, as the application
// has them, over one recorded project; and the moves a user makes in the
// dialogs' grids.

#include "support/ui_test_support.h"

#include "ui/application_shell.h"
#include "ui/dialogs/influence_line_dialog.h"
#include "ui/dialogs/tendon_dialog.h"
#include "ui/pages/structure_page.h"
#include "ui/windows/main_window.h"
#include "ui/windows/tendon_store_window.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <gtest/gtest.h>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include <ostream>
#include <utility>
#include <vector>

// Failure messages show the recorded events as text.
inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << "{\"" << list.join("\", \"").toStdString() << "\"}";
}

namespace kvor::ui::testing {

struct EntryWindows {
    UiContext ui;
    MainWindow main{ui.context};
    InfluenceLineDialog influence{ui.context};
    TendonDialog tendon{ui.context};
    TendonStoreWindow tendonStore{ui.context};

    EntryWindows() { linkEntryWindows(main, influence, tendon, tendonStore); }

    Project& project() { return ui.project; }
    QStringList& events() { return ui.messages.events; }

    // A simple beam of 20 m in a section with e_d = 0,3 and e_h = -0,3.
    void enterSimpleBeam()
    {
        ui.project.beam.kind = BeamKind::Simple;
        ui.project.beam.length = "20";
        ui.project.section.eBottom = "0,3";
        ui.project.section.eTop = "-0,3";
        main.structurePage()->loadFromModel();
    }

    // The fixtures' start: the simple beam entered and the main window up on
    // `page` (0-based), with nothing recorded yet. False when the window did
    // not come up.
    bool showOnPage(int page)
    {
        enterSimpleBeam();
        if (!bringUp(main))
            return false;
        main.pageControl()->setCurrentIndex(page);
        events().clear();
        return true;
    }
};

// A click, then the round of events that lifts the block of a click that a
// check refused.
inline void clickAndSettle(const QWidget& window, const char* name)
{
    click(window, name);
    QCoreApplication::processEvents();
}

// Types into a cell of a grid whose row 0 is the heading (`row` counts the
// points from 1) as the user does: the cell's editor opens when the cell
// becomes current, and its text reaches the table when the editor closes.
inline void typeCell(QTableView* grid, int row, int column, const QString& text)
{
    const auto editorOpen = [grid] {
        QWidget* focus = QApplication::focusWidget();
        return focus && focus != grid && grid->isAncestorOf(focus);
    };
    if (!editorOpen()) {
        grid->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();  // an editor closed by the move is gone
    }
    grid->setCurrentIndex(grid->model()->index(row - 1, column));
    if (!editorOpen())
        QTest::keyClick(grid, Qt::Key_F2);  // the cell was current already: F2 opens its editor
    if (!editorOpen())
        return;  // a locked table opens no editor
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    editor->selectAll();
    editor->insert(text);
}

// Types the rows of a two-column grid from row 1 on.
inline void typeRows(QTableView* grid, const std::vector<std::pair<QString, QString>>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        typeCell(grid, static_cast<int>(i) + 1, 0, rows[i].first);
        typeCell(grid, static_cast<int>(i) + 1, 1, rows[i].second);
    }
}

inline QString cellText(const QTableView* grid, int row, int column)
{
    return grid->model()->index(row - 1, column).data().toString();
}

}  // namespace kvor::ui::testing
