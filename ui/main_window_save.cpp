// Save (Command3): the document writes the stroke to its file, with the stroke
// type, the bowler class and the two edge probabilities as their controls show
// them; the window asks the questions and tells the outcome.
//
// The whole text is formed first and read back with the reader; only a text
// that gives back every field as the window shows it replaces the file, and
// it does so in one step. A save that is refused (a comma typed where the file
// ends a field, a character with no single-byte form, a number box whose text
// is no number, a number too large for the format) or that fails (the folder
// gone, the name a folder or a device, the disk full, memory exhausted) leaves the file exactly as it was; the user
// is told which file, which box and why, and no confirmation is shown. A file
// that was misread on load, or that another program changed since, is
// rewritten only when the user says so.
#include <new>

#include "core/numbers.h"
#include "core/resume_next.h"
#include "document/file_text.h"
#include "ui/main_window.h"
#include "ui/misread_lines.h"

namespace orvik {

// Forming the text of a stroke takes memory; running out of it is reported
// like any failed save, and the editor goes on with its edits.
void MainWindow::Command3_Click() { SaveStroke(); }

bool MainWindow::SaveStroke() try {
    // A mouse edit under way is saved as far as it has gone; the stroke type,
    // the bowler class and the edge probabilities as their lists and boxes
    // show them.
    RecordEditUnderWay();
    const QString& fileName = document_.Path();
    const FormedStroke formed = document_.Form();
    // Every reason for refusing goes into one message: the characters without
    // a single-byte form, a number box whose text is no number (the file would
    // not hold what the box shows), a field that would not read back.
    QStringList refusals;
    for (const FieldRefusal& refusal : formed.Unwritable) refusals << CaptionOf(refusal.Field) + ": " + refusal.Reason;
    refusals << UnconvertedNumberBoxes();
    for (const FieldRefusal& refusal : formed.NotReadBack) refusals << CaptionOf(refusal.Field) + ": " + refusal.Reason;
    if (!refusals.isEmpty()) {
        TellSaveFailed(fileName, refusals.join('\n'));
        return false;
    }
    if (!MayRewriteFile()) return false;
    if (const Status<QString> written = document_.Write(formed); !written) {
        TellSaveFailed(fileName, written.Why());
        return false;
    }
    UpdateUnsavedMark();
    dialogs_.ShowMessage(this, tr("Stroke Saved Successfully to %1 (%2).").arg(fileName, QtText(Combo4->Text())),
                         tr("Saved!"), MessageIcon::Information);
    return true;
} catch (const std::bad_alloc&) {
    TellSaveFailed(document_.Path(), tr("There is not enough memory to form the stroke's text."));
    return false;
}

// The file is rewritten without a question unless it was misread when it
// was loaded (its first Save replaces what was misread by the values shown)
// or another program changed it since it was loaded or saved here.
bool MainWindow::MayRewriteFile() {
    const QString& fileName = document_.Path();
    if (!document_.Misread().empty() &&
        dialogs_.Ask(this,
                     tr("The stroke file %1 was misread when it was loaded:\n\n%2\n\nSaving replaces what these "
                        "lines hold by the values shown.")
                         .arg(fileName, MisreadLines(document_.Misread())),
                     tr("Save"), {Answer::Save, Answer::Cancel}, Answer::Cancel) != Answer::Save)
        return false;
    if (!document_.ChangedOnDisk()) return true;
    return dialogs_.Ask(this,
                        tr("The file %1 has changed on disk since it was loaded; another program may have saved "
                           "it.\nOverwrite it with the stroke shown?")
                            .arg(fileName),
                        tr("Save"), {Answer::Overwrite, Answer::Cancel}, Answer::Cancel) == Answer::Overwrite;
}

void MainWindow::TellSaveFailed(const QString& fileName, const QString& reason) {
    dialogs_.ShowMessage(this,
                         tr("The stroke could not be saved to %1.\n%2\nNothing was written.").arg(fileName, reason),
                         tr("Error"), MessageIcon::Critical);
}

QStringList MainWindow::UnconvertedNumberBoxes() const {
    QStringList lines;
    if (Combo3->ListIndex() < 0) return lines;
    // The Height and Direction displays as well: a typed value that is no
    // number stays in its display.
    const std::pair<QString, FieldKind> boxes[] = {
        {Text2(0).text(), FieldKind::Frame},      {Label3(1).text(), FieldKind::Vertical},
        {Label3(2).text(), FieldKind::Direction}, {Text2(3).text(), FieldKind::Power},
        {Text2(5).text(), FieldKind::PowerRange}, {Text2(6).text(), FieldKind::DirectionRange}};
    for (const auto& [text, kind] : boxes) {
        const bool converts = ResumeNext([&] {
            if (kind == FieldKind::Frame)
                IntFromText(FileText(text));
            else
                DblFromText(FileText(text));
        });
        if (converts) continue;
        QString reason = tr("\"%1\" is not a number").arg(text);
        if (text.contains(','))
            reason += tr(": use a point as the decimal separator");
        else if (kind == FieldKind::Frame && IsNumberSyntax(FileText(text)))
            reason = tr("%1 is outside -32768 to 32767").arg(text.trimmed());
        else if (IsNumberSyntax(FileText(text)))
            reason = tr("%1 is too large for a stroke file").arg(text.trimmed());
        lines << CaptionOf({kind, Combo3->ListIndex()}) + ": " + reason;
    }
    return lines;
}

// A field as the refusal of a save names it: its caption as the window shows
// it, or its key in the file where the window does not show it.
QString MainWindow::CaptionOf(const FieldId& field) const {
    switch (field.Kind) {
        case FieldKind::Type: return tr("Stroke type");
        case FieldKind::BowlerTypes: return tr("Stroke Played against");
        case FieldKind::EdgeProb: return tr("Nrml. Edge Prb.");
        case FieldKind::EdgeProb6: return tr("6-Hit Edge Prb.");
        default: break;
    }
    if (field.Index == Combo3->ListIndex()) {
        switch (field.Kind) {
            case FieldKind::Frame: return tr("Frame no.");
            case FieldKind::Vertical: return tr("Height");
            case FieldKind::Direction: return tr("Direction");
            case FieldKind::DirectionRange: return tr("Direction Range");
            case FieldKind::Power: return tr("Power");
            case FieldKind::PowerRange: return tr("Power Range");
            default: break;
        }
    }
    return QtText(FieldFileKey(document_.Stroke(), field));
}

// Ctrl+S: Save from the keyboard, whenever the Save button could be clicked.
//
// A click on Save takes the focus from the box being edited, whose lost-focus
// handler commits the typed values before the click saves; the key leaves the
// focus where it is and runs that commit itself.
void MainWindow::SaveShortcut_Activated() {
    if (!document_.IsLoaded()) return;
    for (const auto& [index, box] : Text2.Elements()) {
        if (box == focusWidget()) Text2_LostFocus(index);
    }
    SaveStroke();
}

}  // namespace orvik
