#include "svg_picture.h"

#include <QPaintEngine>
#include <QPainterPath>

namespace orvik {
namespace {

QString Number(qreal value) { return QString::number(value, 'g', 7); }

QString Colour(const QColor& colour) { return colour.name(QColor::HexRgb); }

QString PathData(const QPainterPath& path) {
    QString data;
    QPointF subpathStart, last;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo()) {
            // A subpath that ends where it began is closed, so that its stroke
            // joins there instead of ending twice.
            if (i > 0 && last == subpathStart) data += QLatin1String("Z ");
            data += QStringLiteral("M %1 %2 ").arg(Number(element.x), Number(element.y));
            subpathStart = element;
        } else if (element.isLineTo()) {
            data += QStringLiteral("L %1 %2 ").arg(Number(element.x), Number(element.y));
        } else if (element.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            data += QStringLiteral("C %1 %2 %3 %4 %5 %6 ")
                        .arg(Number(element.x), Number(element.y), Number(c2.x), Number(c2.y), Number(end.x), Number(end.y));
            i += 2;
        }
        last = path.elementAt(i);
    }
    if (path.elementCount() > 1 && last == subpathStart) data += QLatin1String("Z");
    return data.trimmed();
}

QString PenAttributes(const QPen& pen) {
    if (pen.style() == Qt::NoPen || pen.brush().style() == Qt::NoBrush) return QStringLiteral(" stroke=\"none\"");
    QString attributes = QStringLiteral(" stroke=\"%1\"").arg(Colour(pen.color()));
    if (pen.color().alpha() != 255) attributes += QStringLiteral(" stroke-opacity=\"%1\"").arg(Number(pen.color().alphaF()));
    // A cosmetic pen is one device pixel wide whatever the transform.
    attributes += pen.isCosmetic() ? QStringLiteral(" stroke-width=\"%1\" vector-effect=\"non-scaling-stroke\"")
                                         .arg(Number(qMax<qreal>(pen.widthF(), 1)))
                                   : QStringLiteral(" stroke-width=\"%1\"").arg(Number(pen.widthF()));
    const char* cap = pen.capStyle() == Qt::FlatCap ? "butt" : pen.capStyle() == Qt::RoundCap ? "round" : "square";
    const char* join = pen.joinStyle() == Qt::RoundJoin ? "round" : pen.joinStyle() == Qt::BevelJoin ? "bevel" : "miter";
    attributes += QStringLiteral(" stroke-linecap=\"%1\" stroke-linejoin=\"%2\"").arg(QLatin1String(cap), QLatin1String(join));
    if (pen.style() != Qt::SolidLine) {
        // Qt gives the dashes in pen widths.
        QStringList dashes;
        for (qreal dash : pen.dashPattern()) dashes << Number(dash * qMax<qreal>(pen.widthF(), 1));
        attributes += QStringLiteral(" stroke-dasharray=\"%1\"").arg(dashes.join(QLatin1Char(' ')));
    }
    return attributes;
}

QString BrushAttributes(const QBrush& brush, Qt::FillRule rule) {
    if (brush.style() == Qt::NoBrush) return QStringLiteral(" fill=\"none\"");
    // Any other pattern is written as its colour.
    QString attributes = QStringLiteral(" fill=\"%1\"").arg(Colour(brush.color()));
    if (brush.color().alpha() != 255) attributes += QStringLiteral(" fill-opacity=\"%1\"").arg(Number(brush.color().alphaF()));
    attributes += rule == Qt::OddEvenFill ? QStringLiteral(" fill-rule=\"evenodd\"") : QStringLiteral(" fill-rule=\"nonzero\"");
    return attributes;
}

}  // namespace

// Takes every primitive as it is, with the transform, so that nothing is
// flattened into polygons on the way.
class SvgPaintEngine : public QPaintEngine {
public:
    SvgPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override {
        body_.clear();
        return true;
    }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyPen) pen_ = state.pen();
        if (state.state() & DirtyBrush) brush_ = state.brush();
        if (state.state() & DirtyTransform) transform_ = state.transform();
    }

    void drawPath(const QPainterPath& path) override {
        QString element = QStringLiteral(" <path d=\"%1\"").arg(PathData(path));
        element += BrushAttributes(brush_, path.fillRule()) + PenAttributes(pen_);
        if (!transform_.isIdentity())
            element += QStringLiteral(" transform=\"matrix(%1 %2 %3 %4 %5 %6)\"")
                           .arg(Number(transform_.m11()), Number(transform_.m12()), Number(transform_.m21()),
                                Number(transform_.m22()), Number(transform_.dx()), Number(transform_.dy()));
        body_ += element + QStringLiteral("/>\n");
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (count < 1) return;
        QPainterPath path(points[0]);
        for (int i = 1; i < count; ++i) path.lineTo(points[i]);
        if (mode != PolylineMode) path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        const QBrush brush = brush_;
        if (mode == PolylineMode) brush_ = Qt::NoBrush;
        drawPath(path);
        brush_ = brush;
    }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    const QString& Body() const { return body_; }

private:
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    QString body_;
};

SvgPicture::SvgPicture(int size) : size_(size), engine_(std::make_unique<SvgPaintEngine>()) {}

SvgPicture::~SvgPicture() = default;

QPaintEngine* SvgPicture::paintEngine() const { return engine_.get(); }

QString SvgPicture::Document() const {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                          "%2</svg>\n")
        .arg(size_)
        .arg(engine_->Body());
}

int SvgPicture::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return size_;
        case PdmWidthMM:
        case PdmHeightMM:
            return qRound(size_ * 25.4 / 96);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
    }
}

}  // namespace orvik
