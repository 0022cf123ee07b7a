#include "ui/entry_dialogs.h"

#include "ui/windows/main_window.h"
#include "ui/dialogs/influence_line_dialog.h"
#include "ui/dialogs/tendon_dialog.h"
#include "ui/windows/tendon_store_window.h"
#include "ui/pages/quantity_page.h"
#include "ui/pages/quantity_rows.h"
#include "ui/pages/tendon_page.h"
#include "ui/pages/tendon_rows.h"
#include "ui/widgets/window_setup.h"

#include <QTabWidget>

namespace kvor::ui {

void linkEntryWindows(MainWindow& mainWindow, InfluenceLineDialog& influenceDialog, TendonDialog& tendonDialog, TendonStoreWindow& tendonStore)
{
    QuantityRows* quantities = mainWindow.quantityPage()->rows();
    TendonRows* tendons = mainWindow.tendonPage()->rows();

    quantities->setEntryDialog(&influenceDialog);
    QObject::connect(&influenceDialog, &InfluenceLineDialog::lineStored, quantities, &QuantityRows::loadFromModel);

    // Only the tab of page 3 is tested when chosen; the structure page is not.
    tendons->setEntryDialog(&tendonDialog,
                            [&mainWindow](int page) { mainWindow.pageControl()->setCurrentIndex(page); });
    QObject::connect(&tendonDialog, &TendonDialog::definitionStored, tendons, &TendonRows::loadFromModel);

    mainWindow.setTendonStoreWindow(&tendonStore);
    QObject::connect(&tendonStore, &TendonStoreWindow::mainWindowRequested, &mainWindow,
                     [&mainWindow] { showInFront(&mainWindow); });
}

}  // namespace kvor::ui
