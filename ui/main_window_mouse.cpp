// Mouse editing of direction and height. Only the window's own surface
// counts: moves and clicks over a control are that control's. Timer1 applies
// the pointer to the armed view every 15 ms, and only where the pointer is at
// that moment: a position the window saw last, before the pointer jumped
// away, left the window or went over a control, is never written. While a
// view is armed it carries a frame, and the pointer is a cross-hair over it.
//
// A drag (the button held while the pointer goes beyond a few pixels) is a
// click where it starts and a click where it ends: it arms the view it starts
// in, and its release sets the value there and ends the edit. Esc cancels an
// edit under way.
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QShortcut>

#include "core/numbers.h"
#include "core/resume_next.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace orvik {
namespace {

bool OnSurface(const QWidget& window, const QPointF& position) {
    return window.rect().contains(position.toPoint()) && window.childAt(position.toPoint()) == nullptr;
}

bool InArmedView(const MouseEditing& mouse, const QPointF& twips) {
    const int x = static_cast<int>(std::lround(twips.x())), y = static_cast<int>(std::lround(twips.y()));
    return (mouse.DirectionEditOn != 0 && TopViewRect.Contains(x, y)) ||
           (mouse.HeightEditOn != 0 && ProjectileViewRect.Contains(x, y));
}

}  // namespace

QRect ArmedViewFrame(const TwipRect& view) {
    return TwipsRect(view.Left, view.Top, view.Right - view.Left, view.Bottom - view.Top);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!OnSurface(*this, event->position())) {
        event->ignore();
        return;
    }
    const QPointF twips = TwipsFromPoint(event->position());
    Form_MouseMove(static_cast<float>(twips.x()), static_cast<float>(twips.y()));
    ShowPointerShape(twips);
    if (pressedOnSurface_ && !dragging_ && (event->buttons() & Qt::LeftButton) &&
        (event->position() - pressPosition_).manhattanLength() >= QApplication::startDragDistance()) {
        dragging_ = true;
        const QPointF start = TwipsFromPoint(pressPosition_);
        if (!InArmedView(mouse_, start)) ClickAt(start);
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    pressedOnSurface_ = event->button() == Qt::LeftButton && OnSurface(*this, event->position());
    pressPosition_ = event->position();
    dragging_ = false;
    // The press tells where the pointer is, even where no move came before it
    // (a tap on a touch screen).
    if (pressedOnSurface_) mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    const bool left = pressedOnSurface_ && event->button() == Qt::LeftButton;
    const bool click = left && OnSurface(*this, event->position());
    const bool dragged = left && dragging_;
    pressedOnSurface_ = dragging_ = false;
    if (dragged) {
        // The value where the pointer is now, as the next tick would set it.
        if (OnSurface(*this, event->position())) mouseMoveEvent(event);
        Timer1_Timer();
        const QPointF start = TwipsFromPoint(pressPosition_);
        if (InArmedView(mouse_, start)) ClickAt(start);
    } else if (click) {
        Form_Click();
    }
}

void MainWindow::ClickAt(const QPointF& twips) {
    const float pointerX = mouse_.MouseX, pointerY = mouse_.MouseY;
    Form_MouseMove(static_cast<float>(twips.x()), static_cast<float>(twips.y()));
    Form_Click();
    Form_MouseMove(pointerX, pointerY);
}

// The previews' tooltips say how the mouse edits them.
bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && ShowToolTipOfArea(*this, static_cast<QHelpEvent&>(*event))) return true;
    return QWidget::event(event);
}

// The second press of a double click is no new press, so a double click is
// one click, as with a single click (Qt would otherwise count two).
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void MainWindow::leaveEvent(QEvent* event) {
    ShowPointerShape(std::nullopt);
    QWidget::leaveEvent(event);
}

void MainWindow::Form_MouseMove(float x, float y) { mouse_.MouseMove(x, y); }

// A click that disarms a view ends a mouse edit: what it changed since it was
// armed is one step of the history.
void MainWindow::Form_Click() {
    const bool directionWasOn = mouse_.DirectionEditOn != 0, heightWasOn = mouse_.HeightEditOn != 0;
    mouse_.Click();
    if ((directionWasOn && mouse_.DirectionEditOn == 0) || (heightWasOn && mouse_.HeightEditOn == 0))
        RecordEditUnderWay();
    ShowEditingArmed();
}

// Esc while a view is armed: the key frames take back the direction, range
// and height they had when the edit began (or when a step was last recorded
// during it: a Save, a commit, a paste), and the views are disarmed. The
// cancelled edit leaves no step.
void MainWindow::EscapeShortcut_Activated() {
    if (mouse_.DirectionEditOn == 0 && mouse_.HeightEditOn == 0) return;
    mouse_.DirectionEditOn = mouse_.HeightEditOn = 0;
    StrokeFile& stroke = document_.EditedStroke();
    for (std::size_t k = 0; k < stroke.KeyFrames.size(); ++k) {
        const KeyFrame& before = keyFramesBeforeMouseEdit_[k];
        stroke.KeyFrames[k].Direction = before.Direction;
        stroke.KeyFrames[k].DirectionRange = before.DirectionRange;
        stroke.KeyFrames[k].Vertical = before.Vertical;
    }
    const PreviewLines lines = preview_.Lines;
    preview_.PreviewKeyFrame(stroke, Combo3->ListIndex(), arc_, [this] {
        const auto keyFrame = [this] { return KeyFrameAt(document_.Stroke(), Combo3->ListIndex()); };
        ResumeNext([&] { SetVerticalText(NumberText(keyFrame().Vertical)); });
        ResumeNext([&] { SetVerticalCaption(NumberText(keyFrame().Vertical)); });
        ResumeNext([&] { SetDirectionText(NumberText(keyFrame().Direction)); });
        ResumeNext([&] { SetDirectionCaption(NumberText(keyFrame().Direction)); });
    });
    RepaintPreview(lines);
    UpdateUnsavedMark();
    ShowEditingArmed();
}

// Nothing armed, or the pointer not over the window's surface now: the tick
// writes nothing, and nothing is repainted.
void MainWindow::Timer1_Timer() {
    if (mouse_.DirectionEditOn == 0 && mouse_.HeightEditOn == 0) return;
    const std::optional<QPointF> pointer = PointerOnSurface();
    // (A control takes the window's pointer shape; the window sees no move over it.)
    ShowPointerShape(pointer ? std::optional(TwipsFromPoint(*pointer)) : std::nullopt);
    if (!pointer) return;
    const QPointF twips = TwipsFromPoint(*pointer);
    Form_MouseMove(static_cast<float>(twips.x()), static_cast<float>(twips.y()));
    const PreviewLines before = preview_.Lines;
    const TickResult result = mouse_.Tick(document_.EditedStroke(), preview_, *this, arc_);
    if (!result.Changed()) return;
    RepaintPreview(before);
    UpdateUnsavedMark();
}

std::optional<QPointF> MainWindow::PointerOnSurface() const {
    // The window's own record of the pointer first: it costs nothing.
    if (!isVisible() || !underMouse()) return std::nullopt;
    const QPointF position = mapFromGlobal(QCursor::pos().toPointF());
    if (!OnSurface(*this, position)) return std::nullopt;
    return position;
}

void MainWindow::ShowEditingArmed() {
    const bool directionOn = mouse_.DirectionEditOn != 0, heightOn = mouse_.HeightEditOn != 0;
    if ((directionOn || heightOn) && !directionMarked_ && !heightMarked_)
        keyFramesBeforeMouseEdit_ = document_.Stroke().KeyFrames;
    cancelMouseEdit_->setEnabled(directionOn || heightOn);
    if (directionOn != directionMarked_) update(ArmedViewFrame(TopViewRect).adjusted(-2, -2, 2, 2));
    if (heightOn != heightMarked_) update(ArmedViewFrame(ProjectileViewRect).adjusted(-2, -2, 2, 2));
    directionMarked_ = directionOn;
    heightMarked_ = heightOn;
    const std::optional<QPointF> pointer = PointerOnSurface();
    ShowPointerShape(pointer ? std::optional(TwipsFromPoint(*pointer)) : std::nullopt);
}

void MainWindow::ShowPointerShape(std::optional<QPointF> twips) {
    const bool crossHair = twips && InArmedView(mouse_, *twips);
    if (crossHair == crossHairShown_) return;
    crossHairShown_ = crossHair;
    if (crossHair)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

}  // namespace orvik
