#pragma once
// What the loads window and the stressing window share: they open over the
// window that asked for them, which stays disabled until they close; Escape
// leaves them as their way back does, and so does the frame, which first asks
// about edits that leaving would drop: kept, dropped, or worked on.

#include "ui/app_context.h"
#include "ui/widgets/window_setup.h"

#include <QString>
#include <QWidget>

namespace kvor::ui {

class EntryWindow : public QWidget {
    Q_OBJECT
protected:
    // `editsWhat` completes the question about edits ("zatížení").
    EntryWindow(AppContext& context, QString editsWhat, QWidget* parent);

    // Edits that leaving would drop.
    virtual bool hasEdits() const = 0;
    // They are to be kept: stored as the window stores them, and the window
    // closed when they could be.
    virtual void keepEdits() = 0;
    // The way back without storing: Escape, and the frame.
    virtual void leave() = 0;

    void closeEvent(QCloseEvent* event) final;
    void keyPressEvent(QKeyEvent* event) override;

    AppContext& context_;
    OpenedOver opener_;

private:
    QString editsWhat_;
};

}  // namespace kvor::ui
