// Copying the shown timing's key frame and pasting one into it: Frame, Height,
// Direction, Direction Range, Power and Power Range, never a six-hit tag. A
// paste goes through the boxes and the displays and commits them as leaving a
// box does, so that what the window shows is what the key frame holds.
#include "core/numbers.h"
#include "core/resume_next.h"
#include "ui/display_editor.h"
#include "ui/key_frame_clipboard.h"
#include "ui/main_window.h"

namespace orvik {

// The key frame as the boxes show it: a value typed but not yet committed is
// committed first, so that the copy holds what the user sees.
void MainWindow::CopyKeyFrame_Triggered() {
    if (Combo3->ListIndex() < 0) return;
    for (const auto& [index, box] : Text2.Elements())
        if (box == focusWidget()) Text2_LostFocus(index);
    for (DisplayEditor* editor : {heightEditor_, directionEditor_}) editor->Close(true);
    ResumeNext([&] { CopyKeyFrameToClipboard(KeyFrameAt(stroke_, Combo3->ListIndex())); });
}

void MainWindow::PasteKeyFrame_Triggered() {
    if (Combo3->ListIndex() < 0) return;
    const KeyFrameTextResult pasted = KeyFrameFromClipboard();
    if (!pasted.Values) {
        dialogs_.ShowMessage(this, PasteRefusal(pasted), tr("Paste Key Frame"), MessageIcon::Critical);
        return;
    }
    // A value being typed into a display gives way to the pasted one.
    for (DisplayEditor* editor : {heightEditor_, directionEditor_}) editor->Close(false);
    const KeyFrame& values = *pasted.Values;
    Text2(0).SetText(NumberText(values.Frame));
    Text2(1).SetText(NumberText(values.Vertical));
    Label3(1).SetCaption(NumberText(values.Vertical));
    Text2(2).SetText(NumberText(values.Direction));
    Label3(2).SetCaption(NumberText(values.Direction));
    Text2(3).SetText(NumberText(values.Power));
    Text2(5).SetText(NumberText(values.PowerRange));
    Text2(6).SetText(NumberText(values.DirectionRange));
    Text2_LostFocus(0);
}

}  // namespace orvik
