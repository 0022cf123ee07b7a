#include "ui/application_shell.h"

#include "ui/form1_splash.h"
#include "ui/form2_start_window.h"
#include "ui/form3_exit_confirmation.h"
#include "ui/form4_wrong_file.h"
#include "ui/form5_main_window.h"
#include "ui/window_setup.h"

namespace kvor::ui {

ApplicationShell::ApplicationShell(AppContext& context)
    : context_(context),
      form1_(std::make_unique<Form1>(context)),
      form2_(std::make_unique<Form2>(context)),
      form3_(std::make_unique<Form3>()),
      form4_(std::make_unique<Form4>()),
      form5_(std::make_unique<Form5>(context))
{
    connect(form1_.get(), &Form1::countDownFinished, this, [this] { showInFront(form2_.get()); });
    connect(form1_.get(), &Form1::programEnded, this, &ApplicationShell::programEnded);

    connect(form2_.get(), &Form2::mainWindowRequested, this, [this] { form5_->showOnFirstPage(); });
    connect(form2_.get(), &Form2::wrongFileChosen, this, [this] { showInFront(form4_.get()); });
    connect(form2_.get(), &Form2::exitRequested, this, [this] { form3_->ask(form2_.get()); });

    // Ending the program is closing the splash window, whether it is shown or not.
    connect(form3_.get(), &Form3::programEndRequested, this, [this] { form1_->close(); });
    connect(form4_.get(), &Form4::startWindowRequested, this, [this] { showInFront(form2_.get()); });
    connect(form5_.get(), &Form5::exitRequested, this, [this] { form3_->ask(form5_.get()); });
}

ApplicationShell::~ApplicationShell() = default;

void ApplicationShell::start()
{
    form1_->show();
}

}  // namespace kvor::ui
