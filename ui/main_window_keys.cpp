// Ctrl+S: Save from the keyboard, whenever the Save button could be clicked.
#include "ui/main_window.h"

namespace orvik {

// A click on Save takes the focus from the box being edited, whose lost-focus
// handler commits the typed values before the click saves; the key leaves the
// focus where it is and runs that commit itself.
void MainWindow::SaveShortcut_Activated() {
    if (!Command3->isEnabled()) return;
    for (const auto& [index, box] : Text2.Elements()) {
        if (box == focusWidget()) Text2_LostFocus(index);
    }
    SaveStroke();
}

}  // namespace orvik
