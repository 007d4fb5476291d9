// Help, About and Exit.
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

// Ends the program without asking: unsaved edits are lost, as with the close box.
void MainWindow::Command4_Click() { close(); }

}  // namespace orvik
