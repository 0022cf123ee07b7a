#pragma once
// "Nápověda": the manual in a window of its own, a browser over the HTML
// pages of the manual with "Obsah", "Zpět" and "Vpřed". While it exists, F1
// pressed in any window of the program opens the chapter of that window.

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace kvor::ui {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // The help window of the run, or none.
    static HelpWindow* current();

    // Shows the window in front at `chapter` ("kabely.html#napinani").
    void showChapter(const QString& chapter);
    QTextBrowser* browser() const { return browser_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString folder_;
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* forward_;
};

}  // namespace kvor::ui
