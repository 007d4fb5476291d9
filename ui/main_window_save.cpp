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
    // Typing in any box, the Height and Direction boxes included, is committed
    // as leaving its box commits it, and a mouse edit under way is saved as
    // far as it has gone; the stroke type, the bowler class and the edge
    // probabilities as their lists and boxes show them. The file then holds
    // what the window shows.
    CommitTyping();
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
    if (!MayRewriteFile(fileName, formed.Bytes, NormalKeyFrameCount + SixHitKeyFrameCount(formed.Saved))) return false;
    if (const Status<QString> written = document_.Write(formed); !written) {
        TellSaveFailed(fileName, written.Why());
        return false;
    }
    UpdateUnsavedMark();
    dialogs_.ShowMessage(this, tr("Stroke Saved Successfully to %1 (%2).").arg(fileName, loadedStrokeName_),
                         tr("Saved!"), MessageIcon::Information);
    return true;
} catch (const std::bad_alloc&) {
    TellSaveFailed(document_.Path(), tr("There is not enough memory to form the stroke's text."));
    return false;
}

// The file is rewritten without a question unless it was misread when it
// was loaded (its first Save replaces what was misread by the values shown)
// or another program changed it since it was loaded or saved here.
bool MainWindow::MayRewriteFile(const QString& fileName, const std::string& bytes, int keyFrames) {
    if (!document_.Misread().empty() && !MayRewriteMisreadFile(fileName, bytes, keyFrames)) return false;
    if (!document_.ChangedOnDisk()) return true;
    return dialogs_.Ask(this,
                        tr("The file %1 has changed on disk since it was loaded; another program may have saved "
                           "it.\nOverwrite it with the stroke shown?")
                            .arg(fileName),
                        tr("Save"), {Answer::Overwrite, Answer::Cancel}, Answer::Cancel) == Answer::Overwrite;
}

// The question names the timings whose values the Save changes and shows
// every line it changes, old and new, as orvik-stroke-check --diff shows
// them; a long list goes to the question's details.
bool MainWindow::MayRewriteMisreadFile(const QString& fileName, const std::string& bytes, int keyFrames) {
    QString text = tr("The stroke file %1 was misread when it was loaded:\n\n%2\n\nSaving replaces what these "
                      "lines hold by the values shown.")
                       .arg(fileName, MisreadLines(document_.Misread(), ShownFormWords()));
    QStringList timings;
    for (const int k : KeyFramesChangedBySave(document_.FileBytes(), bytes, keyFrames))
        timings << (k < Combo3->ListCount() ? Combo3->itemText(k) : QString::number(k));
    if (!timings.isEmpty()) text += ' ' + tr("It changes the values of %1.").arg(timings.join(", "));
    const QString diff = SaveDiff(document_.FileBytes(), bytes, fileName);
    constexpr qsizetype LongDiff = 30;  // lines
    QString details;
    if (diff.count('\n') < LongDiff) {
        text += "\n\n" + tr("The lines it changes:") + "\n" + diff;
    } else {
        text += "\n\n" + tr("Show Details lists every line it changes.");
        details = diff;
    }
    return dialogs_.Ask(this, text, tr("Save"), {Answer::Save, Answer::Cancel}, Answer::Cancel, details) ==
           Answer::Save;
}

void MainWindow::TellSaveFailed(const QString& fileName, const QString& reason) {
    dialogs_.ShowMessage(this,
                         tr("The stroke could not be saved to %1.\n%2\nNothing was written.").arg(fileName, reason),
                         tr("Error"), MessageIcon::Critical);
}

std::vector<MainWindow::NumberDisplay> MainWindow::NumberDisplays() const {
    // The Height and Direction displays stand for their hidden boxes: a typed
    // value that is no number stays in its display.
    return {{&Text2(Box::Frame), Text2(Box::Frame).text(), FieldKind::Frame},
            {&Label3(Value::Height), Label3(Value::Height).text(), FieldKind::Vertical},
            {&Label3(Value::Direction), Label3(Value::Direction).text(), FieldKind::Direction},
            {&Text2(Box::Power), Text2(Box::Power).text(), FieldKind::Power},
            {&Text2(Box::PowerRange), Text2(Box::PowerRange).text(), FieldKind::PowerRange},
            {&Text2(Box::DirectionRange), Text2(Box::DirectionRange).text(), FieldKind::DirectionRange}};
}

QString MainWindow::NumberProblem(const NumberDisplay& display) {
    const QString& text = display.Text;
    const bool converts = ResumeNext([&] {
        if (display.Kind == FieldKind::Frame)
            IntFromText(FileText(text));
        else
            DblFromText(FileText(text));
    });
    if (converts) return {};
    if (text.contains(',')) return tr("\"%1\" is not a number: use a point as the decimal separator").arg(text);
    if (display.Kind == FieldKind::Frame && IsNumberSyntax(FileText(text)))
        return tr("%1 is outside -32768 to 32767").arg(text.trimmed());
    if (IsNumberSyntax(FileText(text))) return tr("%1 is too large for a stroke file").arg(text.trimmed());
    return tr("\"%1\" is not a number").arg(text);
}

QStringList MainWindow::UnconvertedNumberBoxes() const {
    QStringList lines;
    if (Combo3->ListIndex() < 0) return lines;
    for (const NumberDisplay& display : NumberDisplays())
        if (const QString problem = NumberProblem(display); !problem.isEmpty())
            lines << CaptionOf({display.Kind, Combo3->ListIndex()}) + ": " + problem;
    return lines;
}

// A field as the refusal of a save names it: its caption as the window shows
// it, with the timing for a key frame's field ("Power (Late)"), or its key in
// the file where the window does not show it.
QString MainWindow::CaptionOf(const FieldId& field) const {
    const QString caption = FormCaption(field.Kind);
    const FormatField* format = FormatFieldOf(field.Kind);
    if (!caption.isEmpty() && !format->OfKeyFrame()) return caption;
    if (caption.isEmpty() || field.Index < 0 || field.Index >= Combo3->ListCount())
        return QtText(FieldFileKey(document_.Stroke(), field));
    return caption + " (" + Combo3->itemText(field.Index) + ")";
}

FormWords MainWindow::ShownFormWords() const {
    QStringList timings;
    for (int k = 0; k < Combo3->ListCount(); ++k) timings << Combo3->itemText(k);
    return FormWords(document_.Stroke(), timings);
}

// Ctrl+S: Save from the keyboard, whenever the Save button could be clicked.
// The focus stays in the box being edited; Save commits its typing.
void MainWindow::SaveShortcut_Activated() {
    if (!document_.IsLoaded()) return;
    SaveStroke();
}

}  // namespace orvik
