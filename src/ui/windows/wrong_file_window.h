#pragma once
// The wrong-file window of the start window: the chosen file is no project
// file (or none was chosen). "OK" and the close button only hide it.

#include <QWidget>

namespace kvor::ui {

class WrongFileWindow : public QWidget {
    Q_OBJECT
public:
    explicit WrongFileWindow(QWidget* parent = nullptr);

    void goBack();  // "&OK": back to the start window

signals:
    void startWindowRequested();
};

}  // namespace kvor::ui
