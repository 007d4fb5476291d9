// Folder browsing and the stroke list: Drive1 chooses a drive, Dir1 a folder,
// the hidden File1 lists its "*.atr" files, Label2(0) counts them and Combo4
// names the known strokes among them. Picking a stroke loads its file with the
// Reset steps.
#include <QDir>
#include <optional>
#include <vector>

#include "core/stroke_catalogue.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_access.h"
#include "ui/file_list.h"
#include "ui/file_text.h"
#include "ui/main_window.h"

namespace orvik {

// At start-up the lists show the folder the program was started in; no
// folder change runs, so the stroke list and the count stay empty.
void MainWindow::ShowStartFolder() {
    const QString start = QDir::currentPath();
    Dir1->ShowPath(start);
    Drive1->ShowDriveOf(start);
    File1->SetPath(Dir1->Path().isEmpty() ? start : Dir1->Path());
}

void MainWindow::Drive1_Change() {
    // The folder list shows the drive's folder, and the folder change runs to
    // its end inside SetPath. A drive that cannot be read is reported; nothing
    // is undone.
    if (!Dir1->SetPath(Drive1->Drive()))
        dialogs_.ShowMessage(this, tr("Error reading Drive"), tr("Error"), MessageIcon::Critical);
}

// The folder change touches nothing but the stroke list and the count: the
// loaded stroke, its edits and the current file name stay.
void MainWindow::Dir1_Change() {
    Combo4->Clear();
    loadedStrokeEntry_ = -1;
    // The file list follows the folder list. A folder that cannot be listed (removed since it was shown, no
    // permission) is reported and leaves the list and the count empty.
    if (!File1->SetPath(Dir1->Path())) {
        Label2(0).SetCaption("");
        dialogs_.ShowMessage(this, tr("The folder %1 cannot be listed.\n%2").arg(Dir1->Path(), FolderProblem(Dir1->Path())),
                             tr("Error"), MessageIcon::Critical);
        return;
    }
    // The census of the folder's stroke files, known or not.
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(File1->ListCount()));
    for (int i = 0; i < File1->ListCount(); ++i) names.push_back(FileText(File1->List(i)));
    const StrokeCensusResult census = StrokeCensus(names);
    Label2(0).SetCaption(census.CountMessage);
    // The known strokes by name; nothing is selected afterwards.
    for (const std::string& name : census.StrokeNames) Combo4->AddItem(name);
}

// A folder opened in the folder list that cannot be listed (no permission,
// gone since it was shown): the list stays where it was.
void MainWindow::TellFolderRefused(const QString& path) {
    dialogs_.ShowMessage(this, tr("The folder %1 cannot be opened.\n%2").arg(path, FolderProblem(path)), tr("Error"),
                         MessageIcon::Critical);
}

// The user picked a stroke (mouse or arrow keys).
void MainWindow::Combo4_Click() {
    const std::string picked = Combo4->Text();
    // A name the catalogue does not know changes nothing.
    const std::optional<std::string> fileName = FileForStrokeName(picked);
    if (!fileName) return;
    // Unsaved edits kept: the list shows the loaded stroke again.
    if (!MayDropEdits()) {
        Combo4->SetListIndex(loadedStrokeEntry_);
        return;
    }
    // The stroke's file in the listed folder. A file that cannot be read is refused before the current file name
    // changes; the list shows the loaded stroke again.
    const QString path = File1->Path() + QDir::separator() + QtText(*fileName);
    std::optional<FileRead> read = ReadOrTell(path);
    if (!read) {
        Combo4->SetListIndex(loadedStrokeEntry_);
        return;
    }
    CommonDialog1.SetFileName(path);
    RunResetSteps(std::move(*read));
    loadedStrokeEntry_ = Combo4->ListIndex();
}

}  // namespace orvik
