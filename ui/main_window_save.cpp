// Save (Command3): the record to the current file, with the stroke type, the
// bowler class and the two edge probabilities taken from their controls.
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
#include "core/stroke_writer.h"
#include "ui/file_access.h"
#include "ui/file_text.h"
#include "ui/main_window.h"
#include "ui/misread_lines.h"

namespace orvik {

// Forming the text of a stroke takes memory; running out of it is reported
// like any failed save, and the editor goes on with its edits.
void MainWindow::Command3_Click() { SaveStroke(); }

bool MainWindow::SaveStroke() try {
    // A mouse edit under way is saved as far as it has gone.
    RecordEditUnderWay();
    const QString fileName = CommonDialog1.FileName();
    // The edge probabilities come from their boxes, without loss: a character
    // with no single-byte form is refused, never turned into "?".
    StrokeFile saved = stroke_;
    QStringList refusals;
    const std::pair<int, FieldKind> edgeBoxes[] = {{4, FieldKind::EdgeProb}, {7, FieldKind::EdgeProb6}};
    for (const auto& [box, kind] : edgeBoxes) {
        const QString text = Text2(box).text();
        if (const QString odd = FirstCharacterWithoutSingleByteForm(text); !odd.isEmpty())
            refusals << CaptionOf({kind}) + ": " + tr("'%1' has no single-byte form").arg(odd);
        else
            (kind == FieldKind::EdgeProb ? saved.EdgeProb : saved.EdgeProb6) = FileText(text);
    }
    // A number box whose text is no number left its field as it was: the
    // file would not hold what the box shows.
    refusals << UnconvertedNumberBoxes();
    // The type and the bowler class from their lists; where a list shows none
    // (the file's own value is none of its entries), the file's own value.
    const std::string type = Combo1->ListIndex() < 0 ? stroke_.Type : Combo1->Text();
    const std::int32_t bowlerCode =
        Combo2->ListIndex() < 0 ? stroke_.BowlerTypes : Combo2->ItemData(Combo2->ListIndex());

    const std::string bytes = StrokeFileText(saved, type, bowlerCode);
    // Only a text that reads back as the stroke shown replaces the file. Every
    // reason for refusing goes into one message.
    for (const FieldProblem& problem : FieldsThatWouldNotReadBack(saved, type, bowlerCode, bytes))
        refusals << CaptionOf(problem.Field) + ": " + QtText(problem.Reason);
    if (!refusals.isEmpty()) {
        TellSaveFailed(fileName, refusals.join('\n'));
        return false;
    }
    if (!MayRewriteFile(fileName)) return false;
    const Status<QString> written =
        WriteWholeFile(fileName, QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!written) {
        TellSaveFailed(fileName, written.Why());
        return false;
    }
    stroke_.EdgeProb = saved.EdgeProb;
    stroke_.EdgeProb6 = saved.EdgeProb6;
    fileBytes_ = bytes;
    misread_.clear();
    history_.MarkSaved();
    UpdateUnsavedMark();
    dialogs_.ShowMessage(this, tr("Stroke Saved Successfully to %1 (%2).").arg(fileName, QtText(Combo4->Text())),
                         tr("Saved!"), MessageIcon::Information);
    return true;
} catch (const std::bad_alloc&) {
    TellSaveFailed(CommonDialog1.FileName(), tr("There is not enough memory to form the stroke's text."));
    return false;
}

// The file is rewritten without a question unless it was misread when it
// was loaded (its first Save replaces what was misread by the values shown)
// or another program changed it since it was loaded or saved here.
bool MainWindow::MayRewriteFile(const QString& fileName) {
    if (!misread_.empty() &&
        dialogs_.Ask(this,
                     tr("The stroke file %1 was misread when it was loaded:\n\n%2\n\nSaving replaces what these "
                        "lines hold by the values shown.")
                         .arg(fileName, MisreadLines(misread_)),
                     tr("Save"), {Answer::Save, Answer::Cancel}, Answer::Cancel) != Answer::Save)
        return false;
    // (A file that cannot be read now is left to the write, which says why.)
    const Result<std::string, QString> onDisk = ReadStrokeFileBytes(fileName);
    if (!onDisk || *onDisk == fileBytes_) return true;
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
    return QtText(FieldFileKey(stroke_, field));
}

// Ctrl+S: Save from the keyboard, whenever the Save button could be clicked.
//
// A click on Save takes the focus from the box being edited, whose lost-focus
// handler commits the typed values before the click saves; the key leaves the
// focus where it is and runs that commit itself.
void MainWindow::SaveShortcut_Activated() {
    if (!Command3->isEnabled()) return;
    for (const auto& [index, box] : Text2.Elements()) {
        if (box == focusWidget()) Text2_LostFocus(index);
    }
    SaveStroke();
}

}  // namespace orvik
