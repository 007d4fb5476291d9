// Copying the shown timing's key frame and pasting one into it: Frame, Height,
// Direction, Direction Range, Power and Power Range, never a six-hit tag. A
// paste is one step of the history, and the key frame is then shown as
// choosing its timing shows it. Both need a stroke loaded.
#include "core/numbers.h"
#include "core/resume_next.h"
#include "ui/display_editor.h"
#include "ui/key_frame_clipboard.h"
#include "ui/main_window.h"

namespace orvik {

// The key frame as the boxes show it: a value typed but not yet committed is
// committed first, so that the copy holds what the user sees.
void MainWindow::CopyKeyFrame_Triggered() {
    if (!Command3->isEnabled() || Combo3->ListIndex() < 0) return;  // no stroke loaded, or no timing shown
    for (const auto& [index, box] : Text2.Elements())
        if (box == focusWidget()) Text2_LostFocus(index);
    for (DisplayEditor* editor : {heightEditor_, directionEditor_}) editor->Close(true);
    ResumeNext([&] { CopyKeyFrameToClipboard(KeyFrameAt(stroke_, Combo3->ListIndex())); });
}

void MainWindow::PasteKeyFrame_Triggered() {
    if (!Command3->isEnabled() || Combo3->ListIndex() < 0) return;  // no stroke loaded, or no timing shown
    const KeyFrameTextResult pasted = KeyFrameFromClipboard();
    if (!pasted.Values) {
        dialogs_.ShowMessage(this, PasteRefusal(pasted), tr("Paste Key Frame"), MessageIcon::Critical);
        return;
    }
    // A value being typed into a display gives way to the pasted one.
    for (DisplayEditor* editor : {heightEditor_, directionEditor_}) editor->Close(false);
    const bool pastedIn = ResumeNext([&] {
        KeyFrame& keyFrame = KeyFrameAt(stroke_, Combo3->ListIndex());
        const KeyFrame& values = *pasted.Values;
        keyFrame.Frame = values.Frame;
        keyFrame.Vertical = values.Vertical;
        keyFrame.Direction = values.Direction;
        keyFrame.DirectionRange = values.DirectionRange;
        keyFrame.Power = values.Power;
        keyFrame.PowerRange = values.PowerRange;
    });
    if (!pastedIn) return;
    // One step of the history; then the display step shows the key frame in
    // its boxes and both previews.
    RecordEdit(tr("Paste key frame"));
    Combo3_Click();
}

}  // namespace orvik
