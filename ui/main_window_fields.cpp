// The timing list shows a key frame (the display step); leaving any field
// box writes the fields back into it (the commit step). Each numbered
// statement stands alone: one that fails (no timing chosen, text that is no
// number) is skipped and the next one runs. k is Combo3's ListIndex, read anew
// by every statement.
#include "core/numbers.h"
#include "core/resume_next.h"
#include "preview/geometry.h"
#include "preview/key_frame_at.h"
#include "ui/main_window.h"

namespace orvik {

void MainWindow::Combo3_Click() {
    const PreviewLines before = preview_.Lines;
    auto keyFrame = [this]() -> const KeyFrame& { return KeyFrameAt(stroke_, Combo3->ListIndex()); };
    double apex = 0;

    ResumeNext([&] { preview_.EraseProjectileCurve(arc_); });                    // 1
    ResumeNext([&] { Text2(0).SetText(NumberText(keyFrame().Frame)); });         // 2
    ResumeNext([&] { Text2(1).SetText(NumberText(keyFrame().Vertical)); });      // 3
    ResumeNext([&] { Label3(1).SetCaption(NumberText(keyFrame().Vertical)); });  // 4
    ResumeNext([&] { Label3(2).SetCaption(NumberText(keyFrame().Direction)); }); // 5
    ResumeNext([&] { Text2(2).SetText(NumberText(keyFrame().Direction)); });     // 6
    ResumeNext([&] { Text2(3).SetText(NumberText(keyFrame().Power)); });         // 7
    ResumeNext([&] { Text2(5).SetText(NumberText(keyFrame().PowerRange)); });    // 8
    ResumeNext([&] { Text2(6).SetText(NumberText(keyFrame().DirectionRange)); });// 9
    ResumeNext([&] { preview_.PlaceTopView(keyFrame()); });                      // 10
    ResumeNext([&] { apex = ApexY(keyFrame().Vertical); });                      // 11
    ResumeNext([&] { preview_.PlaceProjectileLines(apex); });                    // 12
    ResumeNext([&] { preview_.DrawProjectileCurve(arc_); });                     // 13

    RepaintPreview(before);
}

// Commits all six fields whichever box was left. The labels come last, so the
// values the mouse set win over the hidden boxes Text2(1) and Text2(2).
void MainWindow::Text2_LostFocus(int /*index*/) {
    auto keyFrame = [this]() -> KeyFrame& { return KeyFrameAt(stroke_, Combo3->ListIndex()); };

    ResumeNext([&] { keyFrame().Frame = IntFromText(Text2(0).Text()); });             // 1
    ResumeNext([&] { keyFrame().Vertical = DblFromText(Text2(1).Text()); });          // 2
    ResumeNext([&] { keyFrame().Direction = DblFromText(Text2(2).Text()); });         // 3
    ResumeNext([&] { keyFrame().Power = DblFromText(Text2(3).Text()); });             // 4
    ResumeNext([&] { keyFrame().DirectionRange = DblFromText(Text2(6).Text()); });    // 5
    ResumeNext([&] { keyFrame().PowerRange = DblFromText(Text2(5).Text()); });        // 6
    ResumeNext([&] { keyFrame().Vertical = DblFromText(Label3(1).Caption()); });      // 7
    ResumeNext([&] { keyFrame().Direction = DblFromText(Label3(2).Caption()); });     // 8
}

// Every key reaches the box unchanged.
void MainWindow::Text2_KeyPress(int /*index*/, QKeyEvent* /*event*/) {}

}  // namespace orvik
