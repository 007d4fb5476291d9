#include "ui/all_timings_overlay.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "ui/fonts.h"
#include "ui/twips.h"

namespace orvik {
namespace {

// Very Late to Very Early: hues far enough apart to tell on white and on the
// field's green.
constexpr std::array<QRgb, 5> TimingColours = {0x1f3fbf, 0x8a2bb0, 0x006f6f, 0xc05a00, 0xb0102a};
constexpr int LineAlpha = 120;  // faint, under the shown timing's black lines
constexpr int NameAlpha = 230;  // the names stay readable
constexpr double NameGap = 75;  // twips between a line's end and its name

bool IsSixHit(const TimingSketch& sketch) { return sketch.KeyFrameIndex >= NormalKeyFrameCount; }

QColor Faint(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

QPointF At(PointF p) { return PointFromTwips(p.x, p.y); }

// Places names so that they do not cover one another. A name that would
// overlap one placed before moves to the next free place: down a line at a
// time (the top view), or beside it, right and left by turns, and then a line
// down (the side view, where the arcs of all timings lie close together).
class NamePlacer {
public:
    enum class Spread { Down, Sideways };
    NamePlacer(const QFontMetrics& metrics, Spread spread) : metrics_(metrics), spread_(spread) {}

    QRect Place(const QString& name, QPointF centre) {
        QRect rect = metrics_.boundingRect(name).adjusted(-2, 0, 2, 0);
        rect.moveCenter(centre.toPoint());
        const int line = metrics_.height() - 2;
        for (int tries = 1; tries <= 12; ++tries) {
            QRect tried = rect;
            if (spread_ == Spread::Down) {
                tried.translate(0, (tries - 1) * line);
            } else {
                const int row = (tries - 1) / 5;
                const int beside = (tries - 1) % 5;  // 0, then right, left, right, left
                const int step = (beside + 1) / 2 * rect.width() * (beside % 2 ? 1 : -1);
                tried.translate(step, row * line);
            }
            if (!Overlaps(tried)) {
                rect = tried;
                break;
            }
        }
        placed_.push_back(rect);
        return rect;
    }

private:
    bool Overlaps(const QRect& rect) const {
        for (const QRect& other : placed_)
            if (other.intersects(rect)) return true;
        return false;
    }

    const QFontMetrics& metrics_;
    Spread spread_;
    std::vector<QRect> placed_;
};

void PaintName(QPainter& painter, NamePlacer& placer, const QString& name, QPointF centre, const QColor& colour) {
    const QRect rect = placer.Place(name, centre);
    painter.setPen(Faint(colour, NameAlpha));
    painter.drawText(rect, Qt::AlignCenter, name);
}

// The name's place just beyond a top-view line's end, away from the batsman.
QPointF BeyondLineEnd(PointF end) {
    const double dx = end.x - BatsmanX;
    const double dy = end.y - BatsmanY;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) return At(end);
    const double scale = (length + NameGap + 60) / length;
    return PointFromTwips(BatsmanX + dx * scale, BatsmanY + dy * scale);
}

}  // namespace

QColor SketchColour(const TimingSketch& sketch) {
    if (sketch.Timing < 0 || sketch.Timing >= static_cast<int>(TimingColours.size())) return QColor(Qt::darkGray);
    return QColor(TimingColours[static_cast<std::size_t>(sketch.Timing)]);
}

void AllTimingsOverlay::SetOn(bool on) {
    on_ = on;
    picture_ = QImage();
    timingCount_ = -1;
}

bool AllTimingsOverlay::IsStale(const StrokeFile& stroke, int timingCount, int shown) const {
    if (!on_) return false;
    if (picture_.isNull() || timingCount != timingCount_ || shown != shown_) return true;
    for (int k = 0; k < std::min(timingCount, KeyFrameCount); ++k) {
        if (k == shown) continue;
        const KeyFrame& now = stroke.KeyFrames[static_cast<std::size_t>(k)];
        const KeyFrame& then = keyFrames_[static_cast<std::size_t>(k)];
        // Bit for bit, so that a value that is not a number is no change.
        if (!SameBits(now.Vertical, then.Vertical) || !SameBits(now.Direction, then.Direction) ||
            !SameBits(now.DirectionRange, then.DirectionRange) || now.KeyFrameTag != then.KeyFrameTag)
            return true;
    }
    return false;
}

void AllTimingsOverlay::Paint(QPainter& painter, const QRect& exposed, const StrokeFile& stroke, int timingCount,
                              int shown, qreal devicePixelRatio) {
    const QRect area = AllTimingsOverlayRect();
    if (IsStale(stroke, timingCount, shown) || picture_.devicePixelRatio() != devicePixelRatio) {
        picture_ = QImage(area.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
        picture_.setDevicePixelRatio(devicePixelRatio);
        picture_.fill(Qt::transparent);
        QPainter onPicture(&picture_);
        onPicture.translate(-area.topLeft());
        PaintAllTimingsOverlay(onPicture, OtherTimingSketches(stroke, timingCount, shown));
        keyFrames_ = stroke.KeyFrames;
        timingCount_ = timingCount;
        shown_ = shown;
    }
    const QRect part = exposed.intersected(area);
    if (part.isEmpty()) return;
    const QRectF source((part.left() - area.left()) * devicePixelRatio, (part.top() - area.top()) * devicePixelRatio,
                        part.width() * devicePixelRatio, part.height() * devicePixelRatio);
    painter.drawImage(QRectF(part), picture_, source);
}

QRect AllTimingsOverlayRect() { return TwipsRect(0, 0, 4740, 6825); }

void PaintAllTimingsOverlay(QPainter& painter, const std::vector<TimingSketch>& sketches) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    QFont font = SansSerifFont(6.75, true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    NamePlacer topNames(metrics, NamePlacer::Spread::Down), sideNames(metrics, NamePlacer::Spread::Sideways);
    const QPointF batsman = PointFromTwips(BatsmanX, BatsmanY);

    for (const TimingSketch& sketch : sketches) {
        const QColor colour = SketchColour(sketch);
        const Qt::PenStyle lineStyle = IsSixHit(sketch) ? Qt::DashLine : Qt::SolidLine;
        QPen line(Faint(colour, LineAlpha), 1.5, lineStyle);
        QPen range(Faint(colour, LineAlpha), 1, Qt::DotLine);

        // Top view: the range edges, then the direction.
        painter.setPen(range);
        for (const auto& edge : {sketch.RangeEdge1, sketch.RangeEdge2})
            if (edge) painter.drawLine(batsman, At(*edge));
        if (sketch.Direction) {
            painter.setPen(line);
            painter.drawLine(batsman, At(*sketch.Direction));
        }

        // Side view: the flight through the arc's points.
        if (!sketch.Arc.empty()) {
            QPolygonF arc;
            arc.reserve(static_cast<qsizetype>(sketch.Arc.size()));
            for (PointF p : sketch.Arc) arc << At(p);
            painter.setPen(line);
            painter.drawPolyline(arc);
        }
    }

    // The names last, over every line.
    for (const TimingSketch& sketch : sketches) {
        const QColor colour = SketchColour(sketch);
        const QString name = QString::fromStdString(sketch.Name);
        if (sketch.Direction) PaintName(painter, topNames, name, BeyondLineEnd(*sketch.Direction), colour);
        if (!sketch.Arc.empty() && sketch.Apex) {
            // Just under the arc's highest point, inside the arc: above it the
            // window's caption may lie.
            PaintName(painter, sideNames, name, PointFromTwips(sketch.Apex->x, sketch.Apex->y + NameGap + 60), colour);
        }
    }
    painter.restore();
}

}  // namespace orvik
