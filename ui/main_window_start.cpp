// The path given on the command line. A folder is shown as a folder change
// shows it; a stroke file is loaded after its folder is shown: as a pick in
// the stroke list loads it when the catalogue knows its name, as Open does
// otherwise. A path that cannot be read leaves the window as it started,
// with Open's message.
#include <QDir>
#include <QFileInfo>
#include <string>

#include "core/stroke_catalogue.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_access.h"
#include "ui/file_text.h"
#include "ui/main_window.h"
#include "ui/resolved_path.h"

namespace orvik {

void MainWindow::StartIn(const QString& path) {
    // Absolute, as the open dialog gives a file, and resolved by the file
    // system: "LINK/../a.atr" is the a.atr beside LINK's target.
    const QString absolute = ResolvedPath(path);
    const QFileInfo info(absolute);
    if (info.isDir()) {
        if (!ShowFolderAtStart(absolute))
            dialogs_.ShowMessage(this, tr("The folder %1 cannot be listed.\n%2").arg(absolute, FolderProblem(absolute)),
                                 tr("Error"), MessageIcon::Critical);
        return;
    }

    const QString& file = absolute;
    // A file that cannot be read (missing, a pipe or a device, too large) is
    // refused with Open's message before the window moves to its folder.
    std::string bytes;
    if (!ReadStrokeFileBytes(file, bytes).isEmpty()) {
        OpenFile(file);
        return;
    }

    const std::optional<std::string> strokeName = StrokeNameForFile(FileText(info.fileName()));
    if (ShowFolderAtStart(info.absolutePath()) && strokeName && Combo4->findText(QtText(*strokeName)) >= 0) {
        Combo4->SetText(*strokeName);
        Combo4_Click();
        return;
    }
    OpenFile(file);
}

// Shows `folder` in Dir1 and its drive in Drive1, and runs the folder change
// even when Dir1 shows that folder already (the program was started there).
bool MainWindow::ShowFolderAtStart(const QString& folder) {
    const QString shown = Dir1->Path();
    if (!Dir1->SetPath(folder)) return false;
    Drive1->ShowDriveOf(Dir1->Path());
    if (Dir1->Path() == shown) Dir1_Change();
    return true;
}

}  // namespace orvik
