#pragma once
// The layout's scale. The window keeps its places and sizes in twips, 15 to a
// device-independent pixel; where the window at that size would not fit the
// screen (a scale factor of 2 on a screen 1280 pixels wide), the whole layout,
// its fonts included, is drawn smaller by the same factor, just enough to fit.
// On a screen it fits, the scale is 1 and nothing changes.
#include <QSize>

class QScreen;

namespace orvik {

// 1, or the factor below 1 that the layout is drawn at.
double LayoutScale();
void SetLayoutScale(double scale);

// The size of a font of `pointSize` points in the layout: the same where the
// scale is 1; else the whole number of pixels no more than the scale allows.
// Qt draws fonts in whole pixels: a size rounded to the nearest would often
// be the full one, and the captions would no longer fit their places.
double ScaledPointSize(double pointSize);

// The scale at which a window of `full` pixels, with `frame` pixels of border
// and title bar around it, fits into `available`: 1 where it fits as it is.
double ScaleToFit(QSize full, QSize frame, QSize available);

// Sets the layout's scale for a window of `full` pixels (at scale 1) on
// `screen`'s available area. Runs before the window is created.
void FitLayoutToScreen(const QScreen* screen, QSize full);

}  // namespace orvik
