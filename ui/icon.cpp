#include "ui/icon.h"

#include <QLinearGradient>
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

namespace {

// A folder on a 16 x 16 grid, as the toolkit's own folder icon looks: a blue
// outline with a tab at the top left, a band of paper below the tab (taller
// where the folder stands open) and a body shaded from deep to pale blue.
void PaintFolderPicture(QPainter& painter, qreal size, bool open) {
    painter.save();
    painter.scale(size / 16.0, size / 16.0);
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 100, 200));
    painter.drawRoundedRect(QRectF(1, 1, 7, 3), 1, 1);    // the tab
    painter.drawRoundedRect(QRectF(0, 2, 16, 13), 1, 1);  // the outline
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(2, 2, 5, 1), QColor(205, 222, 244));
    painter.fillRect(QRectF(1, 3, 14, 1), QColor(103, 159, 226));
    const int paperRows = open ? 3 : 1;
    painter.fillRect(QRectF(1, 4, 14, paperRows), Qt::white);
    const qreal bodyTop = 4 + paperRows;
    QLinearGradient shade(0, bodyTop, 0, 14);
    shade.setColorAt(0, open ? QColor(36, 95, 167) : QColor(45, 118, 207));
    shade.setColorAt(1, open ? QColor(187, 210, 240) : QColor(189, 212, 240));
    painter.fillRect(QRectF(1, bodyTop, 14, 14 - bodyTop), shade);
    painter.restore();
}

QPixmap FolderPicture(qreal devicePixelRatio, bool open) {
    constexpr int Size = 16;
    QPixmap pixmap(QSize(Size, Size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintFolderPicture(painter, Size, open);
    return pixmap;
}

}  // namespace

QIcon FolderIcon(bool open) {
    QIcon icon;
    icon.addPixmap(FolderPicture(1, open));
    icon.addPixmap(FolderPicture(2, open));
    return icon;
}

}  // namespace orvik
