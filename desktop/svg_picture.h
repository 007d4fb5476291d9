#pragma once
// A paint device whose painting becomes an SVG document: every shape a
// QPainter draws on it (paths, ellipses, rounded rectangles, arcs, polygons)
// becomes an SVG path with the painter's pen, brush and transform. Enough
// for pictures drawn in code from solid colours; pixmaps, text and
// gradients are not written.
#include <QPaintDevice>
#include <QString>
#include <memory>

namespace orvik {

class SvgPaintEngine;

class SvgPicture : public QPaintDevice {
public:
    // A picture of `size` x `size` units.
    explicit SvgPicture(int size);
    ~SvgPicture() override;

    QPaintEngine* paintEngine() const override;
    // The document, once the painter has ended.
    QString Document() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int size_;
    std::unique_ptr<SvgPaintEngine> engine_;
};

}  // namespace orvik
