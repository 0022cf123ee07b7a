#include "ui/entry_dialogs.h"

#include "ui/form5_main_window.h"
#include "ui/form6_influence_dialog.h"
#include "ui/form8_tendon_dialog.h"
#include "ui/form9_tendon_store.h"
#include "ui/quantity_page.h"
#include "ui/quantity_rows.h"
#include "ui/tendon_page.h"
#include "ui/tendon_rows.h"
#include "ui/window_setup.h"

#include <QTabWidget>

namespace kvor::ui {

void linkEntryWindows(Form5& mainWindow, Form6& influenceDialog, Form8& tendonDialog, Form9& tendonStore)
{
    QuantityRows* quantities = mainWindow.quantityPage()->rows();
    TendonRows* tendons = mainWindow.tendonPage()->rows();

    quantities->setEntryDialog(&influenceDialog);
    QObject::connect(&influenceDialog, &Form6::lineStored, quantities, &QuantityRows::loadFromModel);

    // Only the tab of page 3 is tested when chosen; the structure page is not.
    tendons->setEntryDialog(&tendonDialog,
                            [&mainWindow](int page) { mainWindow.pageControl()->setCurrentIndex(page); });
    QObject::connect(&tendonDialog, &Form8::definitionStored, tendons, &TendonRows::loadFromModel);

    mainWindow.setTendonStoreWindow(&tendonStore);
    QObject::connect(&tendonStore, &Form9::mainWindowRequested, &mainWindow,
                     [&mainWindow] { showInFront(&mainWindow); });
}

}  // namespace kvor::ui
