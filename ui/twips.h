#pragma once
// Positions in the editor's windows are twips (1/1440 inch) from the top left
// of the client area. Qt lays widgets out in device-independent pixels, 15
// twips each (96 per inch); Qt itself scales those for high-DPI screens. On a
// screen too small for the window at its scale factor, the layout is drawn
// smaller by LayoutScale() (ui/layout_scale.h).
#include <QPointF>
#include <QRect>
#include <QSize>
#include <cmath>

#include "ui/layout_scale.h"

namespace orvik {

inline constexpr int TwipsPerPixel = 15;

inline int PixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips * LayoutScale() / TwipsPerPixel));
}

// A control's rectangle given as Left, Top, Width, Height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width), PixelsFromTwips(height));
}

inline QSize TwipsSize(int width, int height) { return QSize(PixelsFromTwips(width), PixelsFromTwips(height)); }

// A point in twips as a position in device-independent pixels, unrounded.
inline QPointF PointFromTwips(double x, double y) {
    return QPointF(x * LayoutScale() / TwipsPerPixel, y * LayoutScale() / TwipsPerPixel);
}

// A position in device-independent pixels as twips, unrounded.
inline QPointF TwipsFromPoint(const QPointF& point) { return point * TwipsPerPixel / LayoutScale(); }

}  // namespace orvik
