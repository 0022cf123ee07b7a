#include "ui/application_shell.h"

#include "ui/chart_export.h"
#include "ui/chart_line_view.h"
#include "ui/entry_dialogs.h"
#include "ui/form1_splash.h"
#include "ui/form2_start_window.h"
#include "ui/form3_exit_confirmation.h"
#include "ui/form4_wrong_file.h"
#include "ui/form5_main_window.h"
#include "ui/form6_influence_dialog.h"
#include "ui/form7_influence_store.h"
#include "ui/form8_tendon_dialog.h"
#include "ui/form9_tendon_store.h"
#include "ui/form10_derivative_tables.h"
#include "ui/form11_result_window.h"
#include "ui/form12_tendon_tables.h"
#include "ui/section_stress_window.h"
#include "ui/project_info_page.h"
#include "ui/quantity_page.h"
#include "ui/quantity_rows.h"
#include "ui/structure_page.h"
#include "ui/table_export.h"
#include "ui/tendon_page.h"
#include "ui/tendon_rows.h"
#include "ui/window_setup.h"

#include <QTableView>

#include <initializer_list>
#include <utility>

namespace kvor::ui {

ApplicationShell::ApplicationShell(AppContext& context)
    : context_(context),
      form1_(std::make_unique<Form1>(context)),
      form2_(std::make_unique<Form2>(context)),
      form3_(std::make_unique<Form3>()),
      form4_(std::make_unique<Form4>()),
      form5_(std::make_unique<Form5>(context)),
      form6_(std::make_unique<Form6>(context)),
      form7_(std::make_unique<Form7>(context)),
      form8_(std::make_unique<Form8>(context)),
      form9_(std::make_unique<Form9>(context)),
      form10_(std::make_unique<Form10>(context)),
      form11_(std::make_unique<Form11>(context)),
      form12_(std::make_unique<Form12>(context)),
      sectionStress_(std::make_unique<SectionStressWindow>(context))
{
    connect(form1_.get(), &Form1::countDownFinished, this, [this] {
        showInFront(form2_.get());
        if (!projectFileToOpen_.isEmpty())
            form2_->openNamedFile(std::exchange(projectFileToOpen_, {}));
    });
    connect(form1_.get(), &Form1::programEnded, this, &ApplicationShell::programEnded);

    connect(form2_.get(), &Form2::mainWindowRequested, this, [this] { form5_->showOnFirstPage(); });
    connect(form2_.get(), &Form2::wrongFileChosen, this, [this] { showInFront(form4_.get()); });
    connect(form2_.get(), &Form2::exitRequested, this, [this] { form3_->ask(form2_.get()); });

    // Ending the program is closing the splash window, whether it is shown or not.
    connect(form3_.get(), &Form3::programEndRequested, this, [this] { form1_->close(); });
    connect(form4_.get(), &Form4::startWindowRequested, this, [this] { showInFront(form2_.get()); });
    connect(form5_.get(), &Form5::exitRequested, this, [this] { form3_->ask(form5_.get()); });

    // The entry dialogs of the slot rows and the tendon store window.
    linkEntryWindows(*form5_, *form6_, *form8_, *form9_);

    // The result window and the working tables it leads to.
    form5_->setResultWindow(form11_.get());
    connect(form11_.get(), &Form11::inputRequested, this, [this] { form5_->showOnFirstPage(); });
    connect(form11_.get(), &Form11::programEndRequested, this, [this] { form1_->close(); });
    connect(form11_.get(), &Form11::tendonTablesRequested, this, [this] { showInFront(form12_.get()); });
    connect(form12_.get(), &Form12::resultWindowRequested, this, [this] { showInFront(form11_.get()); });
    connect(form11_.get(), &Form11::sectionStressRequested, this, [this] { showInFront(sectionStress_.get()); });
    connect(sectionStress_.get(), &SectionStressWindow::resultWindowRequested, this,
            [this] { showInFront(form11_.get()); });
    connect(form12_.get(), &Form12::derivativeTablesRequested, this, [this] { showInFront(form10_.get()); });
    // Back to the input from the working tables is "Zpět na zadání" of the
    // result window: the results are left, and the saved flag with them.
    connect(form10_.get(), &Form10::mainWindowRequested, this, [this] { form11_->BitBtn1Click(); });

    // Every table and chart of every window can be copied and saved.
    for (QWidget* window : std::initializer_list<QWidget*>{form5_.get(), form6_.get(), form7_.get(), form8_.get(),
                                                           form9_.get(), form10_.get(), form12_.get(),
                                                           sectionStress_.get()}) {
        for (QTableView* table : window->findChildren<QTableView*>())
            addTableExport(table, context_.messages);
        for (LineChartView* chart : window->findChildren<LineChartView*>()) {
            chart->setDecimalSeparator(context_.decimalSeparator);
            addChartExport(chart, context_.messages);
        }
    }
}

ApplicationShell::~ApplicationShell() = default;

void ApplicationShell::start(const QString& projectFile)
{
    projectFileToOpen_ = projectFile;
    form1_->show();
}


}  // namespace kvor::ui
