// Undo and redo of the user's edits, and the caption's mark of unsaved edits.
// Each action that changes what Save would write records one step of the
// document's history; undo and redo put the values back into the document,
// and the window shows them: the lists and boxes, the key frame the step
// changed, both previews.
#include "ui/display_editor.h"
#include "ui/main_window.h"

namespace orvik {

// Where a list shows no entry (the file's own value is none of its entries),
// Save writes the file's own value.
void MainWindow::TakeListsAndBoxes() {
    const StrokeFile& stroke = document_.Stroke();
    document_.SetType(Combo1->ListIndex() < 0 ? stroke.Type : Combo1->Text());
    document_.SetBowlerTypes(Combo2->ListIndex() < 0 ? stroke.BowlerTypes : Combo2->ItemData(Combo2->ListIndex()));
    document_.SetEdgeProbs(Text2(Box::EdgeProb).text(), Text2(Box::EdgeProb6).text());
}

void MainWindow::ShowValuesPutBack(int keyFrame) {
    // A display opened for typing shows the values put back, not what it held.
    for (DisplayEditor* editor : {heightEditor_, directionEditor_}) editor->Close(false);
    Combo1->SetListIndex(Combo1->IndexOf(document_.Type()));
    Combo2->SetListIndex(Combo2->IndexOfItemData(document_.BowlerTypes()));
    Text2(Box::EdgeProb).setText(document_.EdgeProb());
    Text2(Box::EdgeProb6).setText(document_.EdgeProb6());
    if (keyFrame >= 0 && keyFrame < Combo3->ListCount()) Combo3->SetListIndex(keyFrame);
    // The display step: the key frame's boxes and both previews.
    Combo3_Click();
}

void MainWindow::RecordEdit(const QString& action) {
    TakeListsAndBoxes();
    document_.RecordStep(action);
    // A mouse edit under way goes on from the values recorded: Esc puts back
    // no more than what it changed since.
    if (mouse_.DirectionEditOn != 0 || mouse_.HeightEditOn != 0)
        keyFramesBeforeMouseEdit_ = document_.Stroke().KeyFrames;
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
    if (!document_.IsLoaded() || HoldsTyping()) return;
    EndMouseEditUnderWay();
    document_.Undo();
    UpdateUnsavedMark();
}

void MainWindow::RedoShortcut_Activated() {
    if (!document_.IsLoaded() || HoldsTyping()) return;
    EndMouseEditUnderWay();
    document_.Redo();
    UpdateUnsavedMark();
}

bool MainWindow::HasUnsavedEdits() const {
    if (!document_.IsLoaded()) return false;
    if (document_.IsModified()) return true;
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

bool MainWindow::MayDropEdits(Answer first) {
    if (!HasUnsavedEdits()) return true;
    const QList<Answer> answers = first == Answer::Discard ? QList{Answer::Discard, Answer::Save, Answer::Cancel}
                                                           : QList{Answer::Save, Answer::Discard, Answer::Cancel};
    const Answer answer =
        dialogs_.Ask(this, tr("Save changes to %1?").arg(document_.Path()), tr("Orvik Stroke Editor"), answers, first);
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
