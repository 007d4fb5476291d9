// Folder browsing and the stroke list: Drive1 chooses a drive, Dir1 a folder,
// the hidden File1 lists its "*.atr" files, Label2(Label::FileCount) counts them and Combo4
// names the known strokes among them. Picking a stroke loads its file with the
// Reset steps. A path given on the command line is shown (and loaded) here too,
// and without one the last run's folder and stroke.
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <string>
#include <vector>

#include "core/stroke_catalogue.h"
#include "document/file_text.h"
#include "document/resolved_path.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/main_window.h"

namespace orvik {

namespace {

// The files of the folder the catalogue does not know, for the count's
// tooltip; empty when it knows them all.
QString UnlistedFilesTip(const FileList& files) {
    QStringList unlisted;
    for (int i = 0; i < files.ListCount(); ++i)
        if (!StrokeNameForFile(FileText(files.List(i)))) unlisted << files.List(i);
    if (unlisted.isEmpty()) return {};
    const qsizetype count = unlisted.size();
    // A folder of other files is summed up by its first few.
    constexpr qsizetype Named = 10;
    if (count > Named) unlisted.resize(Named), unlisted << QStringLiteral("...");
    const QString names = unlisted.join(QStringLiteral(", "));
    if (count == 1)
        return MainWindow::tr("1 of them is not among the game's strokes: %1; open it with Ctrl+O.").arg(names);
    return MainWindow::tr("%1 of them are not among the game's strokes: %2; open them with Ctrl+O.")
        .arg(count)
        .arg(names);
}

}  // namespace

// At start-up the lists show the folder the program was started in; no
// folder change runs, so the stroke list and the count stay empty.
void MainWindow::ShowStartFolder() {
    const QString start = QDir::currentPath();
    // A start folder that cannot be read leaves the lists empty, untold.
    static_cast<void>(Dir1->ShowPath(start));
    Drive1->ShowDriveOf(start);
    static_cast<void>(File1->SetPath(Dir1->Path().isEmpty() ? start : Dir1->Path()));
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
    if (const Status<QString> listed = File1->SetPath(Dir1->Path()); !listed) {
        listedFolder_.clear();
        Label2(Label::FileCount).SetCaption("");
        Label2(Label::FileCount).setToolTip({});
        dialogs_.ShowMessage(this, tr("The folder %1 cannot be listed.\n%2").arg(Dir1->Path(), listed.Why()),
                             tr("Error"), MessageIcon::Critical);
        return;
    }
    // The census of the folder's stroke files, known or not.
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(File1->ListCount()));
    for (int i = 0; i < File1->ListCount(); ++i) names.push_back(FileText(File1->List(i)));
    const StrokeCensusResult census = StrokeCensus(names);
    Label2(Label::FileCount).SetCaption(census.CountMessage);
    // The count's tooltip names the files it counts that the list leaves out.
    Label2(Label::FileCount).setToolTip(UnlistedFilesTip(*File1));
    listedFolder_ = File1->Path();
    // The known strokes by name; nothing is selected afterwards.
    for (const std::string& name : census.StrokeNames) Combo4->AddItem(name);
}

// A folder opened in the folder list that cannot be listed (no permission,
// gone since it was shown): the list stays where it was.
void MainWindow::TellFolderRefused(const QString& path, const QString& reason) {
    dialogs_.ShowMessage(this, tr("The folder %1 cannot be opened.\n%2").arg(path, reason), tr("Error"),
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
    // The stroke's file in the listed folder. A file that cannot be read is refused before the stroke loaded
    // changes; the list shows the loaded stroke again.
    const QString path = QDir::toNativeSeparators(File1->Path() + QLatin1Char('/') + QtText(*fileName));
    std::optional<StrokeFileRead> read = ReadOrTell(path);
    if (!read) {
        Combo4->SetListIndex(loadedStrokeEntry_);
        return;
    }
    RunResetSteps(path, std::move(*read));
    loadedStrokeEntry_ = Combo4->ListIndex();
    loadedStrokeName_ = QtText(Combo4->Text());
}

// The path given on the command line. A folder is shown as a folder change
// shows it; a stroke file is loaded after its folder is shown: as a pick in
// the stroke list loads it when the catalogue knows its name, as Open does
// otherwise. A path that cannot be read leaves the window as it started,
// with Open's message.
void MainWindow::StartIn(const QString& path) {
    // Absolute, as the open dialog gives a file, and resolved by the file
    // system: "LINK/../a.atr" is the a.atr beside LINK's target.
    const QString absolute = ResolvedPath(path);
    const QFileInfo info(absolute);
    if (info.isDir()) {
        if (const Status<QString> shown = ShowFolderAtStart(absolute); !shown)
            dialogs_.ShowMessage(
                this, tr("The folder %1 cannot be listed.\n%2").arg(QDir::toNativeSeparators(absolute), shown.Why()),
                tr("Error"), MessageIcon::Critical);
        return;
    }

    const QString& file = absolute;
    // A file that cannot be read (missing, a pipe or a device, too large) is
    // refused with Open's message before the window moves to its folder. The
    // load then shows what was read here: the file is read once.
    std::optional<StrokeFileRead> read = ReadOrTell(file);
    if (!read) return;

    const std::optional<std::string> strokeName = StrokeNameForFile(FileText(info.fileName()));
    if (ShowFolderAtStart(info.absolutePath()) && strokeName && Combo4->findText(QtText(*strokeName)) >= 0) {
        readAtStart_.emplace(file, std::move(*read));
        Combo4->SetText(*strokeName);
        Combo4_Click();
        readAtStart_.reset();  // the pick loaded another spelling of the name
        return;
    }
    OpenRead(file, std::move(*read));
}

// Shows `folder` in Dir1 and its drive in Drive1, and runs the folder change
// even when Dir1 shows that folder already (the program was started there).
Status<QString> MainWindow::ShowFolderAtStart(const QString& folder) {
    const QString shown = Dir1->Path();
    if (Status<QString> set = Dir1->SetPath(folder); !set) return set;
    Drive1->ShowDriveOf(Dir1->Path());
    if (Dir1->Path() == shown) Dir1_Change();
    return Done{};
}

void MainWindow::StartAfterLastRun(const LastRun& last, const std::optional<QString>& path) {
    showAllTimings_->setChecked(last.AllTimings);
    if (path) {
        StartIn(*path);
        return;
    }
    // A folder gone or unreadable since leaves the start folder, untold.
    if (last.Folder.isEmpty() || !ShowFolderAtStart(last.Folder)) return;
    // The last stroke, picked as the user picks it, where this folder lists it.
    const QFileInfo stroke(last.Stroke);
    if (last.Stroke.isEmpty() || stroke.absoluteDir() != QDir(File1->Path())) return;
    const std::optional<std::string> strokeName = StrokeNameForFile(FileText(stroke.fileName()));
    if (!strokeName || Combo4->findText(QtText(*strokeName)) < 0) return;
    Combo4->SetText(*strokeName);
    Combo4_Click();
}

LastRun MainWindow::RunToRemember() const {
    return {listedFolder_, document_.IsLoaded() ? document_.Path() : QString(), ShowsAllTimings()};
}

}  // namespace orvik
