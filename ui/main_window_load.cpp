// Loading a stroke: Open (Command2, Ctrl+O, a file dropped on the window),
// Reset (Command6) and the load body they share with the stroke list
// (main_window_browse.cpp).
//
// The document reads the file whole before anything changes. A file that
// cannot be read (missing, a folder, a device or a pipe, larger than a stroke
// file may be, or more than memory holds) is refused: the user is told which
// file and why, and the stroke loaded, the controls, the caption and the
// buttons stay as they were.
#include <QDir>
#include <optional>

#include "core/numbers.h"
#include "core/read_report.h"
#include "core/resume_next.h"
#include "core/shown_text.h"
#include "core/stroke_catalogue.h"
#include "core/stroke_lists.h"
#include "document/file_text.h"
#include "preview/geometry.h"
#include "ui/display_editor.h"
#include "ui/file_drop.h"
#include "ui/main_window.h"
#include "ui/misread_lines.h"

namespace orvik {

std::optional<StrokeFileRead> MainWindow::ReadOrTell(const QString& path) {
    if (readAtStart_ && readAtStart_->first == path) {
        StrokeFileRead read = std::move(readAtStart_->second);
        readAtStart_.reset();
        return read;
    }
    Result<StrokeFileRead, QString> read = document_.Read(path);
    if (read) return std::move(read).Value();
    // Named as the system names files, as Open's dialog gives them.
    dialogs_.ShowMessage(this,
                         tr("The stroke file %1 cannot be read.\n%2").arg(QDir::toNativeSeparators(path), read.Why()),
                         tr("Error"), MessageIcon::Critical);
    return std::nullopt;
}

// A file that reads cleanly loads in silence. Of one that does not, the user
// sees what was read, then the reader's report.
void MainWindow::TellMisread() {
    if (document_.Misread().empty()) return;
    QString text = tr("The stroke file %1 does not follow the layout of a stroke file; it is shown as it was "
                      "read.\n\n%2")
                       .arg(document_.Path(), MisreadLines(document_.Misread(), ShownFormWords()));
    if (const QString advice = MisreadAdvice(document_.Misread()); !advice.isEmpty()) text += "\n\n" + advice;
    dialogs_.ShowMessage(this, text, tr("Misread stroke file"), MessageIcon::Warning);
}

// The caption ends in Qt's place holder for the unsaved-edits mark, which
// shows nothing while there are none; a "[*]" in the file name is doubled so
// that it shows as it is.
void MainWindow::ShowCaptionForFile() {
    QString fileName = document_.Path();
    fileName.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(tr("Orvik Stroke Editor (%1)").arg(fileName) + QStringLiteral("[*]"));
}

// Open: the dialog, then the file chosen. Cancelling changes nothing.
void MainWindow::Command2_Click() {
    if (!MayDropEdits()) return;
    const std::optional<QString> chosen = dialogs_.OpenFileName(this, CommonDialog1);
    if (chosen) OpenFile(*chosen);
}

// Files dropped on the window: one stroke file opens as Open opens the file
// chosen, once the user is asked about unsaved edits; anything else opens
// nothing, and the user is told why.
void MainWindow::Form_OLEDragDrop(const QStringList& paths) {
    if (const QString refused = DropRefusal(paths); !refused.isEmpty()) {
        dialogs_.ShowMessage(this, refused, tr("Open"), MessageIcon::Warning);
        return;
    }
    if (!MayDropEdits()) return;
    OpenFile(paths.front());
}

// Open's steps for a file chosen. Every statement of the load body that can
// fail runs on its own (ResumeNext).
void MainWindow::OpenFile(const QString& path) {
    std::optional<StrokeFileRead> read = ReadOrTell(path);
    if (read) OpenRead(path, std::move(*read));
}

void MainWindow::OpenRead(const QString& path, StrokeFileRead read) {
    const PreviewLines before = preview_.Lines;
    // The reader's steps: the record read from the file takes the place of the
    // one held.
    document_.Take(path, std::move(read));
    // Save only; Open leaves Reset as it was.
    Command3->setEnabled(true);
    ShowCaptionForFile();
    LoadBody(LoadEntry::Open);
    loadedStrokeName_ = QtText(Combo4->Text());
    RepaintPreview(before);
    TellMisread();
}

// Reset: the current file again, dropping the edits.
void MainWindow::Command6_Click() {
    if (!MayDropEdits(Answer::Discard)) return;
    std::optional<StrokeFileRead> read = ReadOrTell(document_.Path());
    if (read) RunResetSteps(document_.Path(), std::move(*read));
}

// The steps of Reset, which the stroke list runs as well, with the file
// `path` already read.
void MainWindow::RunResetSteps(const QString& path, StrokeFileRead read) {
    const PreviewLines before = preview_.Lines;
    // The reader's steps: the record read from the file takes the place of the
    // one held.
    document_.Take(path, std::move(read));
    Command3->setEnabled(true);
    Command6->setEnabled(true);
    ShowCaptionForFile();
    // The arc of the previous stroke, while record and lines still hold it.
    preview_.EraseProjectileCurve(arc_);
    LoadBody(LoadEntry::Reset);
    RepaintPreview(before);
    TellMisread();
}

// The document holds the stroke read; the window shows it.
void MainWindow::LoadBody(LoadEntry entry) {
    const StrokeFile& stroke = document_.Stroke();
    // The five normal timings; the six-hit ones follow the file.
    Combo3->Clear();
    for (std::string_view name : TimingNames) Combo3->AddItem(std::string(name));

    // The stroke's name from the last six characters of the file name.
    ResumeNext([&] { Label2(Label::StrokeName).SetCaption(StrokeNameForEnding(FileText(document_.Path().right(6)))); });

    // Open only: the name becomes a new entry of the stroke list, selected
    // from code, which starts no stroke selection.
    if (entry == LoadEntry::Open) {
        ResumeNext([&] { Combo4->AddItem(Label2(Label::StrokeName).Caption()); });
        ResumeNext([&] { Combo4->SetText(Label2(Label::StrokeName).Caption()); });
        loadedStrokeEntry_ = Combo4->ListIndex();
    }

    // A timing entry for each six-hit key frame the file holds, in index
    // order, so that entry k shows key frame k: one whose tag names no timing
    // under its tag as the file gives it.
    for (int k = NormalKeyFrameCount; k < NormalKeyFrameCount + SixHitKeyFrameCount(stroke); ++k) {
        ResumeNext([&] {
            const std::string& tag = KeyFrameAt(stroke, k).KeyFrameTag;
            const auto name = SixHitTimingName(tag);
            Combo3->AddItem(name ? std::string(*name) : "6Hit tag " + Quoted(tag));
        });
    }

    // The window from the record. A list that holds no entry for the file's
    // type or bowler class code shows none, and Save then writes the file's own
    // value; a value of another file is never shown in its place.
    ResumeNext([&] { Combo1->SetListIndex(Combo1->IndexOf(stroke.Type)); });
    ResumeNext([&] { Text2(Box::EdgeProb).SetText(stroke.EdgeProb); });
    ResumeNext([&] { Text2(Box::EdgeProb6).SetText(stroke.EdgeProb6); });
    ResumeNext([&] { Combo2->SetListIndex(Combo2->IndexOfItemData(stroke.BowlerTypes)); });
    ResumeNext([&] { Combo3->SetText(std::string(TimingNames[0])); });

    // A display opened for typing shows the value loaded: typing the user
    // chose to discard never reaches the stroke loaded in its place.
    for (DisplayEditor* editor : {heightEditor_, directionEditor_}) editor->Close(false);
    ShowKeyFrameFields(KeyFrameFieldsFor::Load);
    MarkUnconvertedBoxes();

    auto keyFrame = [&]() -> const KeyFrame& { return KeyFrameAt(stroke, Combo3->ListIndex()); };
    // The preview. Open erases the old arc here, after the top view is placed;
    // Reset erased it before reading.
    ResumeNext([&] { preview_.PlaceTopView(keyFrame()); });
    if (entry == LoadEntry::Open) ResumeNext([&] { preview_.EraseProjectileCurve(arc_); });
    ResumeNext([&] { preview_.PlaceProjectileLines(ApexY(keyFrame().Vertical)); });
    ResumeNext([&] { preview_.DrawProjectileCurve(arc_); });

    // A load ends any mouse edit; the document starts a new history.
    mouse_.DirectionEditOn = mouse_.HeightEditOn = 0;
    ShowEditingArmed();
    UpdateUnsavedMark();
}

}  // namespace orvik
