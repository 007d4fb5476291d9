// Save (Command3): the record to the current file, with the stroke type, the
// bowler class and the two edge probabilities taken from their controls.
//
// The whole text is formed first and then replaces the file in one step, so a
// save that fails (no bowler class chosen, the folder gone, the name a folder,
// the disk full) leaves the file exactly as it was; the user is told which
// file and why, and no confirmation is shown.
#include <sstream>

#include "core/stroke_writer.h"
#include "ui/file_access.h"
#include "ui/file_text.h"
#include "ui/main_window.h"

namespace orvik {

void MainWindow::Command3_Click() {
    // 1.
    stroke_.EdgeProb = Text2(4).Text();
    stroke_.EdgeProb6 = Text2(7).Text();

    const QString fileName = CommonDialog1.FileName();
    if (Combo2->ListIndex() < 0) {
        TellSaveFailed(fileName, tr("No bowler class is chosen under \"Stroke Played against\"."));
        return;
    }
    // 2. to 7.
    std::ostringstream text;
    WriteStrokeFile(text, stroke_, Combo1->Text(), Combo2->ItemData(Combo2->ListIndex()));
    const std::string bytes = text.str();
    const QString problem = WriteWholeFile(fileName, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!problem.isEmpty()) {
        TellSaveFailed(fileName, problem);
        return;
    }
    // 8.
    dialogs_.ShowMessage(this,
                         QStringLiteral("Stroke Saved Successfully to %1 (%2).").arg(fileName, QtText(Combo4->Text())),
                         QStringLiteral("Saved!"), MessageIcon::Information);
}

void MainWindow::TellSaveFailed(const QString& fileName, const QString& reason) {
    dialogs_.ShowMessage(this, tr("The stroke could not be saved to %1.\n%2\nNothing was written.").arg(fileName, reason),
                         tr("Error"), MessageIcon::Critical);
}

}  // namespace orvik
