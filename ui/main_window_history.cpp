// Undo and redo of the user's edits, and the caption's mark of unsaved edits.
// Each action that changes what Save would write records one step
// (EditHistory); undo and redo put the values back into the record and the
// controls, show the key frame the step changed and redraw both previews.
#include "ui/display_editor.h"
#include "ui/main_window.h"

namespace orvik {

EditedValues MainWindow::CurrentValues() const {
    return {stroke_.KeyFrames, Combo1->ListIndex(), Combo2->ListIndex(), Text2(4).text(), Text2(7).text()};
}

void MainWindow::ShowEditedValues(const EditedValues& values, int keyFrame) {
    // A display opened for typing shows the values put back, not what it held.
    for (DisplayEditor* editor : {heightEditor_, directionEditor_}) editor->Close(false);
    stroke_.KeyFrames = values.KeyFrames;
    Combo1->SetListIndex(values.TypeEntry);
    Combo2->SetListIndex(values.BowlerEntry);
    Text2(4).setText(values.EdgeProb);
    Text2(7).setText(values.EdgeProb6);
    if (keyFrame >= 0 && keyFrame < Combo3->ListCount()) Combo3->SetListIndex(keyFrame);
    // The display step: the key frame's boxes and both previews.
    Combo3_Click();
}

void MainWindow::RecordEdit(const QString& action) {
    history_.Record(action, CurrentValues());
    UpdateUnsavedMark();
}

void MainWindow::RecordEditUnderWay() { RecordEdit(tr("Mouse edit")); }

// A mouse edit under way ends before a step is undone or redone: undoing it
// while the pointer still sets the value would undo nothing that lasts. With
// none under way nothing is recorded, so that typing in an edge probability
// box never passes for a mouse edit.
void MainWindow::EndMouseEditUnderWay() {
    const bool underWay = mouse_.DirectionEditOn != 0 || mouse_.HeightEditOn != 0;
    mouse_.DirectionEditOn = mouse_.HeightEditOn = 0;
    if (underWay) RecordEditUnderWay();
    ShowEditingArmed();
}

// While a box holds typing not yet committed, the window's undo and redo
// wait: the values they put back would take the typing's place. (The keys
// undo and redo the typing itself first; see TextBox.)
void MainWindow::UndoShortcut_Activated() {
    if (!Command3->isEnabled() || HoldsTyping()) return;
    EndMouseEditUnderWay();
    if (history_.CanUndo()) history_.Undo();
}

void MainWindow::RedoShortcut_Activated() {
    if (!Command3->isEnabled() || HoldsTyping()) return;
    EndMouseEditUnderWay();
    if (history_.CanRedo()) history_.Redo();
}

bool MainWindow::HasUnsavedEdits() const {
    if (!Command3->isEnabled()) return false;  // nothing loaded
    if (!history_.AtSavedState() || !(CurrentValues() == history_.Recorded())) return true;
    // A box left with text that could not be committed shows what the file
    // does not hold.
    if (ShowsValueNotInRecord()) return true;
    return HoldsTyping();
}

bool MainWindow::HoldsTyping() const {
    for (const auto& [index, box] : Text2.Elements())
        if (box->HasTyping()) return true;
    for (const DisplayEditor* editor : {heightEditor_, directionEditor_})
        if (editor->IsOpen() && editor->Box().HasTyping()) return true;
    return false;
}

bool MainWindow::MayDropEdits() {
    if (!HasUnsavedEdits()) return true;
    const Answer answer =
        dialogs_.Ask(this, tr("Save changes to %1?").arg(CommonDialog1.FileName()), tr("Orvik Stroke Editor"),
                     {Answer::Save, Answer::Discard, Answer::Cancel}, Answer::Save);
    if (answer == Answer::Discard) return true;
    if (answer != Answer::Save) return false;
    return SaveStroke();
}

void MainWindow::CommitTyping() {
    for (DisplayEditor* editor : {heightEditor_, directionEditor_}) editor->Close(true);
    for (const auto& [index, box] : Text2.Elements()) {
        if (!box->HasTyping()) continue;
        Text2_LostFocus(index);  // commits every box
        return;
    }
}

// The caption's "[*]" shows as "*" while there are unsaved edits.
void MainWindow::UpdateUnsavedMark() { setWindowModified(HasUnsavedEdits()); }

}  // namespace orvik
