#include "ui/icon.h"

#include <QPainter>
#include <QPainterPath>

namespace orvik {

void PaintEditorPicture(QPainter& painter, qreal size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 32 x 32 grid, scaled to the size asked for.
    painter.scale(size / 32.0, size / 32.0);

    // The ground.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 160, 0));
    painter.drawEllipse(QRectF(1, 20, 30, 11));

    // The bat, leaning to the right: a willow blade and a dark handle.
    painter.save();
    painter.translate(13, 17);
    painter.rotate(35);
    painter.setPen(QPen(QColor(110, 70, 20), 1));
    painter.setBrush(QColor(235, 200, 130));
    QPainterPath blade;
    blade.addRoundedRect(QRectF(-3.5, -4, 7, 17), 2, 2);
    painter.drawPath(blade);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 40, 20));
    painter.drawRoundedRect(QRectF(-1.3, -14, 2.6, 11), 1, 1);
    painter.restore();

    // The ball, with its seam.
    painter.setPen(QPen(QColor(90, 0, 0), 1));
    painter.setBrush(QColor(205, 20, 20));
    const QRectF ball(20, 5, 9, 9);
    painter.drawEllipse(ball);
    painter.setPen(QPen(QColor(255, 235, 235), 0.8));
    painter.drawArc(ball.adjusted(2, -1, -2, 1), 60 * 16, 60 * 16);
    painter.drawArc(ball.adjusted(2, -1, -2, 1), 240 * 16, 60 * 16);
    painter.restore();
}

QPixmap EditorPicture(int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintEditorPicture(painter, size);
    return pixmap;
}

QIcon EditorIcon() {
    QIcon icon;
    icon.addPixmap(EditorPicture(16));
    icon.addPixmap(EditorPicture(32));
    return icon;
}

}  // namespace orvik
