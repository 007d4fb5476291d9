// Help, About and Exit.
#include <QCloseEvent>

#include "ui/about_box.h"
#include "ui/main_window.h"

namespace orvik {

void MainWindow::Command7_Click() {
    dialogs_.ShowMessage(this, tr("Please see Help.txt for help on Orvik Stroke Editor."), tr("Help"),
                         MessageIcon::Information);
}

// The about box is made afresh for every showing and gone when it closes.
void MainWindow::Command5_Click() {
    AboutBox abt(this);
    dialogs_.ShowModal(abt);
}

// Ends the program, as the close box does.
void MainWindow::Command4_Click() { close(); }

// With unsaved edits the user is asked first, and may keep the window open.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!MayDropEdits()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace orvik
