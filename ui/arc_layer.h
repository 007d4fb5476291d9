#pragma once
// The surface on which the flight arc is plotted: an image of the window's
// client area in device pixels, which the window paints under its shapes and
// lines. Points stay on it until painted over, so they survive repaints.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

#include "preview/drawing_surface.h"

class QPainter;

namespace orvik {

class ArcLayer : public DrawingSurface {
public:
    // `size` in device-independent pixels.
    ArcLayer(QSize size, qreal devicePixelRatio);

    Colour BackColor() const override;
    void SetDrawWidth(int pixels) override;
    void PlotPoint(float x, float y, Colour colour) override;
    void PlotPointInForeColor(float x, float y) override;

    void SetForeColor(const QColor& colour) { foreColour_ = colour; }

    // Keeps what was plotted when the window moves to a screen of another
    // pixel density.
    void SetDevicePixelRatio(qreal ratio);
    qreal DevicePixelRatio() const { return image_.devicePixelRatio(); }

    // The part of the window that changed since the last call, in
    // device-independent pixels; empty when nothing was plotted.
    QRect TakeChangedRect();
    void Paint(QPainter& painter, const QRect& exposed) const;

    // Paints the thin dots of the arc for these lines again, as the draw pass
    // plotted them, over whatever was painted on top of the layer since.
    void PaintArcDotsOnTop(QPainter& painter, float line3X1, float line3Y2, float line5X2) const;

    // The colour at (x, y) twips, for tests and screenshots.
    QColor ColourAt(float x, float y) const;

private:
    void Plot(float x, float y, const QColor& colour);

    QSize size_;
    QImage image_;
    QColor foreColour_ = Qt::black;
    int drawWidth_ = 1;
    QRect changed_;  // device pixels
};

}  // namespace orvik
