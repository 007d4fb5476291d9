// The two previews and the window's surface: white background, the plotted
// arc, then the shapes and the lines of the previews and the frames of the
// right half, in this order. Shapes and lines take no mouse events; they are
// painted, not widgets. The other timings may be drawn faintly in both
// previews (Ctrl+T, or "Show all timings" in a preview's menu), and the
// previews follow every commit of a box.
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

#include "ui/colours.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace orvik {
namespace {

enum class ShapeKind { Rectangle, Oval };
enum class ShapeFill { None, Solid, DiagonalCross };

struct ShapePlace {
    const char* name;
    ShapeKind kind;
    ShapeFill fill;
    Colour fillColour;
    int left, top, width, height;
};

// In painting order: the later ones lie on top.
constexpr ShapePlace Shapes[] = {
    {"Shape2", ShapeKind::Rectangle, ShapeFill::Solid, DarkGreen, 360, 1620, 3975, 135},
    {"Shape1", ShapeKind::Oval, ShapeFill::Solid, Green, 360, 2280, 3900, 3900},
    {"Shape9", ShapeKind::Rectangle, ShapeFill::DiagonalCross, 0, 2220, 4080, 135, 495},
    // The frames around the right half's controls.
    {"Shape11", ShapeKind::Rectangle, ShapeFill::None, 0, 4740, 2520, 4695, 1275},
    {"Shape14", ShapeKind::Rectangle, ShapeFill::None, 0, 4740, 3360, 4695, 435},
    {"Shape12", ShapeKind::Rectangle, ShapeFill::None, 0, 4740, 3360, 4695, 855},
    {"Shape3", ShapeKind::Rectangle, ShapeFill::None, 0, 4740, 3780, 4695, 1695},
    {"Shape4", ShapeKind::Rectangle, ShapeFill::None, 0, 4740, 4200, 4695, 1275},
    {"Shape5", ShapeKind::Rectangle, ShapeFill::None, 0, 4740, 4200, 4695, 315},
    {"Shape6", ShapeKind::Rectangle, ShapeFill::None, 0, 4740, 4500, 4695, 315},
    {"Shape7", ShapeKind::Rectangle, ShapeFill::None, 0, 4740, 4800, 4695, 315},
    {"Shape8", ShapeKind::Rectangle, ShapeFill::None, 0, 4740, 4200, 2235, 1275},
};

void PaintShape(QPainter& painter, const ShapePlace& shape) {
    // The border lies inside the shape's rectangle.
    const QRect rect = TwipsRect(shape.left, shape.top, shape.width, shape.height).adjusted(0, 0, -1, -1);
    switch (shape.fill) {
        case ShapeFill::None: painter.setBrush(Qt::NoBrush); break;
        case ShapeFill::Solid: painter.setBrush(QtColour(shape.fillColour)); break;
        case ShapeFill::DiagonalCross:
            painter.setBrush(QBrush(QtColour(shape.fillColour), Qt::DiagCrossPattern));
            break;
    }
    painter.setPen(QPen(Qt::black, 0));
    if (shape.kind == ShapeKind::Oval) {
        painter.drawEllipse(rect);
    } else {
        painter.drawRect(rect);
    }
}

void PaintLine(QPainter& painter, const Line& line, Qt::PenStyle style) {
    painter.setPen(QPen(Qt::black, 0, style));
    painter.drawLine(PointFromTwips(line.X1, line.Y1), PointFromTwips(line.X2, line.Y2));
}

QRect LineBounds(const Line& line) {
    return QRectF(PointFromTwips(line.X1, line.Y1), PointFromTwips(line.X2, line.Y2))
        .normalized()
        .toAlignedRect()
        .adjusted(-2, -2, 2, 2);
}

bool SameLine(const Line& a, const Line& b) { return a.X1 == b.X1 && a.Y1 == b.Y1 && a.X2 == b.X2 && a.Y2 == b.Y2; }

}  // namespace

void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QtColour(arc_.BackColor()));
    if (arc_.DevicePixelRatio() != devicePixelRatioF()) arc_.SetDevicePixelRatio(devicePixelRatioF());
    arc_.Paint(painter, event->rect());

    painter.setBackgroundMode(Qt::TransparentMode);
    for (const ShapePlace& shape : Shapes) PaintShape(painter, shape);

    // The other timings go over the shapes and under the shown one: its arc's
    // dots are painted again over them, and its lines come last.
    if (allTimings_.IsOn() && document_.IsLoaded()) {
        allTimings_.Paint(painter, event->rect(), document_.Stroke(), Combo3->ListCount(), Combo3->ListIndex(),
                          devicePixelRatioF());
        const PreviewLines& lines = preview_.Lines;
        arc_.PaintArcDotsOnTop(painter, lines.Line3.X1, lines.Line3.Y2, lines.Line5.X2);
    }

    // Line3 and Line5 hold the projectile's geometry and are never shown.
    PaintLine(painter, preview_.Lines.Line4, Qt::SolidLine);
    PaintLine(painter, preview_.Lines.Line1, Qt::DashDotDotLine);
    PaintLine(painter, preview_.Lines.Line2, Qt::DashDotDotLine);

    // The frame of each view whose editing is armed.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
    if (directionMarked_) painter.drawRect(ArmedViewFrame(TopViewRect));
    if (heightMarked_) painter.drawRect(ArmedViewFrame(ProjectileViewRect));
}

// Repaints the arc's changed points and the visible lines that moved, and
// the whole of both previews when other timings are shown and they changed.
void MainWindow::RepaintPreview(const PreviewLines& before) {
    QRegion region(arc_.TakeChangedRect());
    if (allTimings_.IsStale(document_.Stroke(), Combo3->ListCount(), Combo3->ListIndex()))
        region += AllTimingsOverlayRect();
    const PreviewLines& now = preview_.Lines;
    const std::pair<const Line*, const Line*> visible[] = {
        {&before.Line1, &now.Line1}, {&before.Line2, &now.Line2}, {&before.Line4, &now.Line4}};
    for (const auto& [old, current] : visible) {
        if (!SameLine(*old, *current)) region += LineBounds(*old).united(LineBounds(*current));
    }
    if (!region.isEmpty()) update(region);
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

}  // namespace orvik
