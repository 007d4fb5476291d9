// The timing list shows a key frame (the display step); leaving any field
// box writes the fields back into it (the commit step). Each statement
// stands alone: one that fails (no timing chosen, text that is no
// number) is skipped and the next one runs. k is Combo3's ListIndex, read anew
// by every statement.
//
// The Height and Direction displays may be typed into in place, and a key
// frame copied and pasted as a whole from the menus of the previews and of
// the timing list.
#include <array>
#include <utility>

#include "core/numbers.h"
#include "core/resume_next.h"
#include "core/stroke_format.h"
#include "document/file_text.h"
#include "ui/display_editor.h"
#include "ui/key_frame_clipboard.h"
#include "ui/main_window.h"

namespace orvik {

namespace {

// The eight displays of a key frame's fields: a box and a label each for
// Height and Direction, a box for the other four.
enum class FieldDisplay {
    FrameBox,           // Text2(Box::Frame)
    HeightBox,          // Text2(Box::Height), hidden
    HeightLabel,        // Label3(Value::Height)
    DirectionBox,       // Text2(Box::Direction), hidden
    DirectionLabel,     // Label3(Value::Direction)
    PowerBox,           // Text2(Box::Power)
    PowerRangeBox,      // Text2(Box::PowerRange)
    DirectionRangeBox,  // Text2(Box::DirectionRange)
};

using FieldDisplayOrder = std::array<FieldDisplay, 8>;

// Choosing a timing sets the Direction label before its hidden box, and Power
// Range before Direction Range; the load sets them the other way round.
constexpr FieldDisplayOrder TimingChosenOrder = {
    FieldDisplay::FrameBox,     FieldDisplay::HeightBox, FieldDisplay::HeightLabel,   FieldDisplay::DirectionLabel,
    FieldDisplay::DirectionBox, FieldDisplay::PowerBox,  FieldDisplay::PowerRangeBox, FieldDisplay::DirectionRangeBox,
};
constexpr FieldDisplayOrder LoadOrder = {
    FieldDisplay::FrameBox,       FieldDisplay::HeightBox, FieldDisplay::HeightLabel,       FieldDisplay::DirectionBox,
    FieldDisplay::DirectionLabel, FieldDisplay::PowerBox,  FieldDisplay::DirectionRangeBox, FieldDisplay::PowerRangeBox,
};

}  // namespace

// Each display is a statement of its own that reads k anew; the edge
// probabilities belong to the whole stroke and are not touched.
void MainWindow::ShowKeyFrameFields(KeyFrameFieldsFor handler) {
    auto keyFrame = [this]() -> const KeyFrame& { return KeyFrameAt(document_.Stroke(), Combo3->ListIndex()); };
    for (const FieldDisplay display : handler == KeyFrameFieldsFor::TimingChosen ? TimingChosenOrder : LoadOrder) {
        ResumeNext([&] {
            switch (display) {
                case FieldDisplay::FrameBox: Text2(Box::Frame).SetText(NumberText(keyFrame().Frame)); break;
                case FieldDisplay::HeightBox: Text2(Box::Height).SetText(NumberText(keyFrame().Vertical)); break;
                case FieldDisplay::HeightLabel:
                    Label3(Value::Height).SetCaption(NumberText(keyFrame().Vertical));
                    break;
                case FieldDisplay::DirectionBox: Text2(Box::Direction).SetText(NumberText(keyFrame().Direction)); break;
                case FieldDisplay::DirectionLabel:
                    Label3(Value::Direction).SetCaption(NumberText(keyFrame().Direction));
                    break;
                case FieldDisplay::PowerBox: Text2(Box::Power).SetText(NumberText(keyFrame().Power)); break;
                case FieldDisplay::PowerRangeBox:
                    Text2(Box::PowerRange).SetText(NumberText(keyFrame().PowerRange));
                    break;
                case FieldDisplay::DirectionRangeBox:
                    Text2(Box::DirectionRange).SetText(NumberText(keyFrame().DirectionRange));
                    break;
            }
        });
    }
}

void MainWindow::MarkUnconvertedBoxes() {
    const int k = Combo3->ListIndex();
    for (const NumberDisplay& display : NumberDisplays()) {
        QString problem = k >= 0 ? NumberProblem(display) : QString();
        ResumeNext([&] {
            if (problem.isEmpty()) return;
            const QString kept = QtText(ValueText(document_.Stroke(), {display.Kind, k}));
            problem += "\n" + tr("%1 keeps %2 until a number is typed.").arg(CaptionOf({display.Kind, k}), kept);
        });
        if (display.Display->toolTip() != PlainToolTip(problem)) ShowInputProblem(*display.Display, problem);
    }
}

bool MainWindow::ShowsValueNotInRecord() const {
    if (Combo3->ListIndex() < 0) return false;
    for (const NumberDisplay& display : NumberDisplays()) {
        std::string recorded;
        if (!ResumeNext([&] { recorded = ValueText(document_.Stroke(), {display.Kind, Combo3->ListIndex()}); }))
            continue;
        if (!SameNumber(FileText(display.Text), recorded)) return true;
    }
    return false;
}

// The display step is the preview of the key frame, with its displays filled
// while the lines still hold the key frame shown so far, after the old arc is
// erased.
void MainWindow::Combo3_Click() {
    const PreviewLines before = preview_.Lines;
    preview_.PreviewKeyFrame(document_.Stroke(), Combo3->ListIndex(), arc_,
                             [this] { ShowKeyFrameFields(KeyFrameFieldsFor::TimingChosen); });
    MarkUnconvertedBoxes();
    RepaintPreview(before);
}

// Commits all six fields whichever box was left. The labels come last, so the
// values the mouse set win over the hidden boxes Text2(Box::Height) and Text2(Box::Direction).
//
// A box whose text was committed as another value than the text names (a
// frame rounded to a whole number, a number too small for a double, more
// digits than the file keeps) then shows the value as the file will hold it.
void MainWindow::Text2_LostFocus(int /*index*/) {
    auto keyFrame = [this]() -> KeyFrame& { return KeyFrameAt(document_.EditedStroke(), Combo3->ListIndex()); };

    // Each number is kept as the file will hold it, so that a Save and the
    // next commit of the same text change nothing more.
    const bool frame = ResumeNext([&] { keyFrame().Frame = IntFromText(Text2(Box::Frame).Text()); });
    ResumeNext([&] { keyFrame().Vertical = AsWritten(DblFromText(Text2(Box::Height).Text())); });
    ResumeNext([&] { keyFrame().Direction = AsWritten(DblFromText(Text2(Box::Direction).Text())); });
    const bool power = ResumeNext([&] { keyFrame().Power = AsWritten(DblFromText(Text2(Box::Power).Text())); });
    const bool directionRange =
        ResumeNext([&] { keyFrame().DirectionRange = AsWritten(DblFromText(Text2(Box::DirectionRange).Text())); });
    const bool powerRange =
        ResumeNext([&] { keyFrame().PowerRange = AsWritten(DblFromText(Text2(Box::PowerRange).Text())); });
    ResumeNext([&] { keyFrame().Vertical = AsWritten(DblFromText(Label3(Value::Height).Caption())); });
    ResumeNext([&] { keyFrame().Direction = AsWritten(DblFromText(Label3(Value::Direction).Caption())); });

    // (A value whose written form would not read back, Save refuses; the box
    // keeps the text typed then.)
    auto showAsWritten = [this](int box, const std::string& written) {
        if (SameNumber(Text2(box).Text(), written)) return;
        DblFromText(written);
        Text2(box).SetText(written);
    };
    if (frame) ResumeNext([&] { showAsWritten(0, NumberText(keyFrame().Frame)); });
    if (power) ResumeNext([&] { showAsWritten(3, NumberText(keyFrame().Power)); });
    if (directionRange) ResumeNext([&] { showAsWritten(6, NumberText(keyFrame().DirectionRange)); });
    if (powerRange) ResumeNext([&] { showAsWritten(5, NumberText(keyFrame().PowerRange)); });

    // The typing is committed; leaving any box is one step of the history,
    // the edge probabilities' boxes included. A box whose text could not be
    // committed says so.
    for (const auto& [box, control] : Text2.Elements()) control->MarkCommitted();
    MarkUnconvertedBoxes();
    RecordEdit(tr("Typing"));
    // Both previews show the committed values at once.
    RedrawShownTiming();
}

void MainWindow::Combo1_Click() { RecordEdit(tr("Stroke type")); }

void MainWindow::Combo2_Click() { RecordEdit(tr("Bowler class")); }

// Every key reaches the box unchanged.
void MainWindow::Text2_KeyPress(int /*index*/, QKeyEvent* /*event*/) {}

// The typed text takes the place of the display's caption and of its hidden
// box, and the fields are committed as on leaving any box. A number then shows
// as the file will hold it; other text stays, and Save refuses it as it
// refuses such text in any box.
void MainWindow::Label3_Typed(int index, const QString& text) {
    Label3(index).SetCaption(FileText(text));
    Text2(index).setText(text);
    Text2_LostFocus(index);
    ResumeNext([&] {
        const KeyFrame& keyFrame = KeyFrameAt(document_.Stroke(), Combo3->ListIndex());
        const double typed = AsWritten(DblFromText(FileText(text)));
        if (typed != (index == Value::Height ? keyFrame.Vertical : keyFrame.Direction)) return;
        const std::string shown = NumberText(typed);
        Label3(index).SetCaption(shown);
        Text2(index).SetText(shown);
    });
}

// Copying the shown timing's key frame and pasting one into it: Frame, Height,
// Direction, Direction Range, Power and Power Range, never a six-hit tag. A
// paste is one step of the history, and the key frame is then shown as
// choosing its timing shows it. Both need a stroke loaded.
//
// The key frame as the boxes show it: a value typed but not yet committed is
// committed first, so that the copy holds what the user sees.
void MainWindow::CopyKeyFrame_Triggered() {
    if (!document_.IsLoaded() || Combo3->ListIndex() < 0) return;  // no stroke loaded, or no timing shown
    CommitTyping();
    ResumeNext([&] { CopyKeyFrameToClipboard(KeyFrameAt(document_.Stroke(), Combo3->ListIndex())); });
}

void MainWindow::PasteKeyFrame_Triggered() {
    if (!document_.IsLoaded() || Combo3->ListIndex() < 0) return;  // no stroke loaded, or no timing shown
    const Result<KeyFrame> pasted = KeyFrameFromClipboard();
    if (!pasted) {
        dialogs_.ShowMessage(this, PasteRefusal(pasted.Why()), tr("Paste Key Frame"), MessageIcon::Critical);
        return;
    }
    // A value being typed into a display gives way to the pasted one.
    for (DisplayEditor* editor : {heightEditor_, directionEditor_}) editor->Close(false);
    const bool pastedIn = ResumeNext([&] {
        KeyFrame& keyFrame = KeyFrameAt(document_.EditedStroke(), Combo3->ListIndex());
        KeyFrame values = *pasted;
        values.KeyFrameTag = keyFrame.KeyFrameTag;  // the timing stays the one shown
        keyFrame = std::move(values);
    });
    if (!pastedIn) return;
    // One step of the history; then the display step shows the key frame in
    // its boxes and both previews.
    RecordEdit(tr("Paste key frame"));
    Combo3_Click();
}

}  // namespace orvik
