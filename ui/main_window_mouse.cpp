// Mouse editing of direction and height. Only the window's own surface
// counts: moves and clicks over a control are that control's. Timer1 applies
// the pointer to the armed view every 15 ms.
#include <QMouseEvent>

#include "ui/main_window.h"
#include "ui/twips.h"

namespace orvik {
namespace {

bool OnSurface(const QWidget& window, const QPointF& position) {
    return window.rect().contains(position.toPoint()) && window.childAt(position.toPoint()) == nullptr;
}

}  // namespace

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!OnSurface(*this, event->position())) {
        event->ignore();
        return;
    }
    const QPointF twips = TwipsFromPoint(event->position());
    Form_MouseMove(static_cast<float>(twips.x()), static_cast<float>(twips.y()));
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    pressedOnSurface_ = event->button() == Qt::LeftButton && OnSurface(*this, event->position());
    // The press tells where the pointer is, even where no move came before it
    // (a tap on a touch screen).
    if (pressedOnSurface_) mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedOnSurface_ && event->button() == Qt::LeftButton && OnSurface(*this, event->position());
    pressedOnSurface_ = false;
    if (click) Form_Click();
}

// The second press of a double click is no new press, so a double click is
// one click, as with a single click (Qt would otherwise count two).
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void MainWindow::Form_MouseMove(float x, float y) { mouse_.MouseMove(x, y); }

void MainWindow::Form_Click() { mouse_.Click(); }

// Nothing armed: the tick only tests the switches, and nothing is repainted.
void MainWindow::Timer1_Timer() {
    const PreviewLines before = preview_.Lines;
    const TickResult result = mouse_.Tick(stroke_, preview_, *this, arc_);
    if (result.Changed()) RepaintPreview(before);
}

}  // namespace orvik
