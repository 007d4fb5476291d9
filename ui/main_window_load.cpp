// Loading a stroke: Open (Command2), Reset (Command6) and the load body they
// share with the stroke list (main_window_browse.cpp).
//
// A file that cannot be opened for reading is refused before anything changes:
// the user is told which file and why, and the record, the controls, the
// caption, the current file name and the buttons stay as they were. A file
// that opens is read whatever it holds.
#include <QFile>
#include <istream>
#include <optional>

#include "core/numbers.h"
#include "core/resume_next.h"
#include "core/stroke_catalogue.h"
#include "core/stroke_reader.h"
#include "preview/geometry.h"
#include "preview/key_frame_at.h"
#include "ui/file_access.h"
#include "ui/file_text.h"
#include "ui/main_window.h"
#include "ui/qiodevice_streambuf.h"

namespace orvik {
namespace {

// The timing list's entry for a six-hit key frame's tag; none for an invalid tag.
std::optional<std::string> SixHitEntry(const std::string& tag) {
    static const char* const names[] = {"Very Late (6Hit)", "Late (6Hit)", "Perfect (6Hit)", "Early (6Hit)",
                                        "Very Early (6Hit)"};
    if (!IsValidSixHitTag(tag)) return std::nullopt;
    return std::string(names[tag[0] - '0']);
}

// Combo2's entry for a bowler class code; every unknown code is "All Bowlers".
std::string BowlerClassEntry(std::int16_t bowlerTypes) {
    if (bowlerTypes == 9) return "Fast and Swing bowlers";
    if (bowlerTypes == 1) return "Fast Bowler";
    if (bowlerTypes == 6) return "Spinners";
    return "All Bowlers";
}

}  // namespace

bool MainWindow::OpenOrTell(QFile& file) {
    const QString problem = OpenForReading(file);
    if (problem.isEmpty()) return true;
    dialogs_.ShowMessage(this, tr("The stroke file %1 cannot be read.\n%2").arg(file.fileName(), problem), tr("Error"),
                         MessageIcon::Critical);
    return false;
}

void MainWindow::ShowCaptionForFile() {
    setWindowTitle(QStringLiteral("Orvik Stroke Editor (%1)").arg(CommonDialog1.FileName()));
}

// Open. Every statement after the dialog that can fail runs on its own
// (ResumeNext in the load body).
void MainWindow::Command2_Click() {
    const PreviewLines before = preview_.Lines;
    // 2. The dialog; cancelling changes nothing.
    const std::optional<QString> chosen = dialogs_.OpenFileName(this, CommonDialog1);
    if (!chosen) return;
    QFile file(*chosen);
    if (!OpenOrTell(file)) return;
    CommonDialog1.SetFileName(*chosen);
    // 3. Save only; Open leaves Reset as it was.
    Command3->setEnabled(true);
    // 4.
    ShowCaptionForFile();
    // 5.
    LoadBody(file, LoadEntry::Open);
    RepaintPreview(before);
}

// Reset: the current file again, dropping the edits.
void MainWindow::Command6_Click() {
    QFile file(CommonDialog1.FileName());
    if (!OpenOrTell(file)) return;
    RunResetSteps(file);
}

// The steps of Reset, which the stroke list runs as well, on the current file
// already opened.
void MainWindow::RunResetSteps(QFile& file) {
    const PreviewLines before = preview_.Lines;
    // 1.
    Command3->setEnabled(true);
    Command6->setEnabled(true);
    // 2.
    ShowCaptionForFile();
    // 3. The arc of the previous stroke, while record and lines still hold it.
    preview_.EraseProjectileCurve(arc_);
    // 4., 5.
    LoadBody(file, LoadEntry::Reset);
    RepaintPreview(before);
}

void MainWindow::LoadBody(QFile& file, LoadEntry entry) {
    // 2. The five normal timings; the six-hit ones follow the file.
    Combo3->Clear();
    for (const char* name : {"Very Late", "Late", "Perfectly on time", "Early", "Very Early"}) Combo3->AddItem(name);

    // 1., 3., 4., 7., 8. The reader empties TrailingLines 0 to 65 and runs its
    // steps, a buffer of the file at a time.
    ResumeNext([&] {
        QIODeviceStreamBuf buffer(file);
        std::istream in(&buffer);
        ReadStrokeFile(in, stroke_);
    });

    // 5. The stroke's name from the last six characters of the file name.
    ResumeNext([&] { Label2(11).SetCaption(StrokeNameForEnding(FileText(CommonDialog1.FileName().right(6)))); });

    // 6. Open only: the name becomes a new entry of the stroke list, selected
    // from code, which starts no stroke selection.
    if (entry == LoadEntry::Open) {
        ResumeNext([&] { Combo4->AddItem(Label2(11).Caption()); });
        ResumeNext([&] { Combo4->SetText(Label2(11).Caption()); });
        loadedStrokeEntry_ = Combo4->ListIndex();
    }

    // 7. A timing entry for each valid six-hit key frame, in index order.
    for (int k = NormalKeyFrameCount; k < KeyFrameCount; ++k) {
        ResumeNext([&] {
            if (const auto name = SixHitEntry(KeyFrameAt(stroke_, k).KeyFrameTag)) Combo3->AddItem(*name);
        });
    }

    // 9. The window from the record. A list that does not hold the text keeps
    // its selection.
    ResumeNext([&] { Combo1->SetText(stroke_.Type); });
    ResumeNext([&] { Text2(4).SetText(stroke_.EdgeProb); });
    ResumeNext([&] { Text2(7).SetText(stroke_.EdgeProb6); });
    ResumeNext([&] { Combo2->SetText(BowlerClassEntry(stroke_.BowlerTypes)); });
    ResumeNext([&] { Combo3->SetText("Very Late"); });

    auto keyFrame = [this]() -> const KeyFrame& { return KeyFrameAt(stroke_, Combo3->ListIndex()); };
    ResumeNext([&] { Text2(0).SetText(NumberText(keyFrame().Frame)); });
    ResumeNext([&] { Text2(1).SetText(NumberText(keyFrame().Vertical)); });
    ResumeNext([&] { Label3(1).SetCaption(NumberText(keyFrame().Vertical)); });
    ResumeNext([&] { Text2(2).SetText(NumberText(keyFrame().Direction)); });
    ResumeNext([&] { Label3(2).SetCaption(NumberText(keyFrame().Direction)); });
    ResumeNext([&] { Text2(3).SetText(NumberText(keyFrame().Power)); });
    ResumeNext([&] { Text2(6).SetText(NumberText(keyFrame().DirectionRange)); });
    ResumeNext([&] { Text2(5).SetText(NumberText(keyFrame().PowerRange)); });

    // The preview. Open erases the old arc here, after the top view is placed;
    // Reset erased it before reading.
    ResumeNext([&] { preview_.PlaceTopView(keyFrame()); });
    if (entry == LoadEntry::Open) ResumeNext([&] { preview_.EraseProjectileCurve(arc_); });
    ResumeNext([&] { preview_.PlaceProjectileLines(ApexY(keyFrame().Vertical)); });
    ResumeNext([&] { preview_.DrawProjectileCurve(arc_); });

    // 10. The caller's QFile closes the file.
}

}  // namespace orvik
