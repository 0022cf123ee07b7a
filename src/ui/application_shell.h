#pragma once
// The program's windows, created at start-up in their order and living until
// the end, and the hand-overs between them: splash → start window → main
// window, the wrong-file window, and the confirmed exit.

#include "ui/app_context.h"

#include <QObject>

#include <memory>

namespace kvor::ui {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class Form8;
class Form9;
class Form10;
class Form11;
class Form12;
class SectionStressWindow;

class ApplicationShell : public QObject {
    Q_OBJECT
public:
    explicit ApplicationShell(AppContext& context);
    ~ApplicationShell() override;

    // Shows the splash window; its count-down leads on to the start window, or,
    // with a project file named, opens it as "Otevřít" would.
    void start(const QString& projectFile = {});

    Form1& form1() const { return *form1_; }
    Form2& form2() const { return *form2_; }
    Form3& form3() const { return *form3_; }
    Form4& form4() const { return *form4_; }
    Form5& form5() const { return *form5_; }
    Form6& form6() const { return *form6_; }
    Form7& form7() const { return *form7_; }
    Form8& form8() const { return *form8_; }
    Form9& form9() const { return *form9_; }
    Form10& form10() const { return *form10_; }
    Form11& form11() const { return *form11_; }
    Form12& form12() const { return *form12_; }
    SectionStressWindow& sectionStress() const { return *sectionStress_; }

signals:
    // The splash window was closed: the run ends.
    void programEnded();

private:
    AppContext& context_;
    QString projectFileToOpen_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<Form7> form7_;
    std::unique_ptr<Form8> form8_;
    std::unique_ptr<Form9> form9_;
    std::unique_ptr<Form10> form10_;
    std::unique_ptr<Form11> form11_;
    std::unique_ptr<Form12> form12_;
    std::unique_ptr<SectionStressWindow> sectionStress_;
};

}  // namespace kvor::ui
