// The whole stroke at once: the other timings drawn faintly in both previews
// (Ctrl+T, or "Show all timings" in a preview's menu), the previews following
// every commit of a box, and the Height and Direction displays typed into in
// place. The menus of the previews and of the timing list also carry copying
// and pasting a key frame.
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

#include "core/numbers.h"
#include "core/resume_next.h"
#include "document/file_text.h"
#include "preview/mouse_editing.h"
#include "preview/timing_sketch.h"
#include "ui/display_editor.h"
#include "ui/key_frame_clipboard.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace orvik {
namespace {

QAction* AddWindowAction(QWidget* window, const QString& text, const QKeySequence& keys) {
    auto* action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setAutoRepeat(false);
    window->addAction(action);
    return action;
}

// A value with at most two decimals, as the tooltips give degrees and steps.
QString TwoDecimals(double value) { return QtText(NumberText(RoundHalfEven(value, 2))); }

// The tooltip of a display for its caption: the value in the preview's own
// units, and how to type it.
QString DescribeDisplay(const QString& caption, const QString& unit, double (*toUnit)(double),
                        const QString& howToType) {
    QString value;
    if (!ResumeNext([&] { value = unit.arg(TwoDecimals(toUnit(DblFromText(FileText(caption))))); }))
        value = MainWindow::tr("\"%1\" is not a number").arg(caption);
    return value + "\n" + howToType;
}

}  // namespace

void MainWindow::CreateWholeStrokeCommands() {
    showAllTimings_ = AddWindowAction(this, tr("Show all timings"), QKeySequence(Qt::CTRL | Qt::Key_T));
    showAllTimings_->setObjectName(QStringLiteral("ShowAllTimings"));
    showAllTimings_->setCheckable(true);
    connect(showAllTimings_, &QAction::toggled, this, &MainWindow::ShowAllTimings_Toggled);

    copyKeyFrame_ = AddWindowAction(this, tr("Copy key frame"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyKeyFrame_->setObjectName(QStringLiteral("CopyKeyFrame"));
    connect(copyKeyFrame_, &QAction::triggered, this, &MainWindow::CopyKeyFrame_Triggered);
    pasteKeyFrame_ = AddWindowAction(this, tr("Paste key frame"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    pasteKeyFrame_->setObjectName(QStringLiteral("PasteKeyFrame"));
    connect(pasteKeyFrame_, &QAction::triggered, this, &MainWindow::PasteKeyFrame_Triggered);

    Combo3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Combo3, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { ShowKeyFrameMenu(Combo3->mapToGlobal(position), false); });

    heightEditor_ = new DisplayEditor(Label3(Value::Height), QStringLiteral("HeightBox"), [](const QString& caption) {
        return DescribeDisplay(caption, tr("Height step %1 (the side view draws whole steps)"), HeightStepForVertical,
                               tr("Double-click, or Tab from Frame no., to type it."));
    });
    directionEditor_ =
        new DisplayEditor(Label3(Value::Direction), QStringLiteral("DirectionBox"), [](const QString& caption) {
            return DescribeDisplay(caption, tr("%1 degrees (0 up, growing to the left)"), DegreesForDirection,
                                   tr("Double-click, or Tab from Height, to type it."));
        });
    heightEditor_->Box().setAccessibleName(Label2(Label::Height).text().trimmed());
    directionEditor_->Box().setAccessibleName(Label2(Label::Direction).text().trimmed());
    for (DisplayEditor* editor : {heightEditor_, directionEditor_})
        connect(&editor->Box(), &QLineEdit::textEdited, this, &MainWindow::UpdateUnsavedMark);
    connect(heightEditor_, &DisplayEditor::Committed, this,
            [this](const QString& text) { Label3_Typed(Value::Height, text); });
    connect(directionEditor_, &DisplayEditor::Committed, this,
            [this](const QString& text) { Label3_Typed(Value::Direction, text); });
}

void MainWindow::ShowAllTimings_Toggled(bool on) {
    allTimings_.SetOn(on);
    update(AllTimingsOverlayRect());
}

// A right click on either preview: the menu of the whole stroke.
void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    const QPointF twips = TwipsFromPoint(event->pos());
    const int x = static_cast<int>(twips.x());
    const int y = static_cast<int>(twips.y());
    if (childAt(event->pos()) || !(TopViewRect.Contains(x, y) || ProjectileViewRect.Contains(x, y))) {
        event->ignore();
        return;
    }
    ShowKeyFrameMenu(event->globalPos(), true);
}

void MainWindow::ShowKeyFrameMenu(const QPoint& globalPosition, bool withAllTimings) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("KeyFrameMenu"));
    if (withAllTimings) {
        menu.addAction(showAllTimings_);
        menu.addSeparator();
    }
    menu.addAction(copyKeyFrame_);
    menu.addAction(pasteKeyFrame_);
    menu.exec(globalPosition);
}

// The shown timing drawn again from its key frame, as choosing it draws it.
void MainWindow::RedrawShownTiming() {
    if (Combo3->ListIndex() < 0) return;
    const PreviewLines before = preview_.Lines;
    preview_.PreviewKeyFrame(document_.Stroke(), Combo3->ListIndex(), arc_);
    RepaintPreview(before);
}

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
    for (const auto& [index, box] : Text2.Elements())
        if (box == focusWidget()) Text2_LostFocus(index);
    for (DisplayEditor* editor : {heightEditor_, directionEditor_}) editor->Close(true);
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
        const KeyFrame& values = *pasted;
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
