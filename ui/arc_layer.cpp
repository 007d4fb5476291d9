#include "ui/arc_layer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "preview/geometry.h"
#include "ui/colours.h"
#include "ui/twips.h"

namespace orvik {
namespace {

QImage BlankImage(QSize size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

ArcLayer::ArcLayer(QSize size, qreal devicePixelRatio) : size_(size), image_(BlankImage(size, devicePixelRatio)) {}

Colour ArcLayer::BackColor() const { return White; }

void ArcLayer::SetDrawWidth(int pixels) { drawWidth_ = std::max(1, pixels); }

void ArcLayer::PlotPoint(float x, float y, Colour colour) { Plot(x, y, QtColour(colour)); }

void ArcLayer::PlotPointInForeColor(float x, float y) { Plot(x, y, foreColour_); }

// A point is a dot of the pen's width in device pixels: one pixel for a width
// of 1, a filled disc otherwise. Plotted pixel by pixel, so a pass over the arc
// allocates nothing.
void ArcLayer::Plot(float x, float y, const QColor& colour) {
    const qreal ratio = image_.devicePixelRatio();
    const double cx = std::floor(static_cast<double>(x) / TwipsPerPixel * (ratio * LayoutScale()));
    const double cy = std::floor(static_cast<double>(y) / TwipsPerPixel * (ratio * LayoutScale()));
    if (!std::isfinite(cx) || !std::isfinite(cy)) return;
    const int width = drawWidth_;
    const int first = -width / 2;
    const int last = first + width - 1;
    const double radius = width / 2.0;
    // Points far off the image plot nothing.
    if (cx + last < 0 || cy + last < 0 || cx + first >= image_.width() || cy + first >= image_.height()) return;
    const int px = static_cast<int>(cx);
    const int py = static_cast<int>(cy);
    const QRgb rgb = colour.rgba();
    for (int dy = first; dy <= last; ++dy) {
        const int row = py + dy;
        if (row < 0 || row >= image_.height()) continue;
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        for (int dx = first; dx <= last; ++dx) {
            const int column = px + dx;
            if (column < 0 || column >= image_.width()) continue;
            if (width > 1) {
                const double ex = dx + 0.5;
                const double ey = dy + 0.5;
                if (ex * ex + ey * ey > radius * radius) continue;
            }
            line[column] = rgb;
        }
    }
    changed_ |= QRect(px + first, py + first, width, width).intersected(image_.rect());
}

void ArcLayer::SetDevicePixelRatio(qreal ratio) {
    if (ratio == image_.devicePixelRatio()) return;
    QImage scaled = image_.scaled(size_ * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    image_ = scaled;
    changed_ = QRect();
}

QRect ArcLayer::TakeChangedRect() {
    if (changed_.isEmpty()) return {};
    const qreal ratio = image_.devicePixelRatio();
    const QRect logical(QPoint(static_cast<int>(std::floor(changed_.left() / ratio)),
                               static_cast<int>(std::floor(changed_.top() / ratio))),
                        QPoint(static_cast<int>(std::ceil((changed_.right() + 1) / ratio)),
                               static_cast<int>(std::ceil((changed_.bottom() + 1) / ratio))));
    changed_ = QRect();
    return logical;
}

void ArcLayer::Paint(QPainter& painter, const QRect& exposed) const {
    const qreal ratio = image_.devicePixelRatio();
    const QRect area = exposed.intersected(QRect(QPoint(0, 0), size_));
    if (area.isEmpty()) return;
    const QRectF source(area.left() * ratio, area.top() * ratio, area.width() * ratio, area.height() * ratio);
    painter.drawImage(QRectF(area), image_, source);
}

void ArcLayer::PaintArcDotsOnTop(QPainter& painter, float line3X1, float line3Y2, float line5X2) const {
    const qreal ratio = image_.devicePixelRatio();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    ForEachProjectileCurvePoint(line3X1, line3Y2, line5X2, [&](PointF p) {
        // The device pixel Plot sets for a pen of one pixel.
        const double px = std::floor(static_cast<double>(p.x) / TwipsPerPixel * (ratio * LayoutScale()));
        const double py = std::floor(static_cast<double>(p.y) / TwipsPerPixel * (ratio * LayoutScale()));
        if (!std::isfinite(px) || !std::isfinite(py)) return;
        painter.fillRect(QRectF(px / ratio, py / ratio, 1 / ratio, 1 / ratio), foreColour_);
    });
    painter.restore();
}

QColor ArcLayer::ColourAt(float x, float y) const {
    const qreal ratio = image_.devicePixelRatio();
    const QPoint pixel(static_cast<int>(std::floor(x / TwipsPerPixel * (ratio * LayoutScale()))),
                       static_cast<int>(std::floor(y / TwipsPerPixel * (ratio * LayoutScale()))));
    if (!image_.rect().contains(pixel)) return Qt::transparent;
    return image_.pixelColor(pixel);
}

}  // namespace orvik
