#include "ui/layout_scale.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

namespace orvik {
namespace {

double scale_ = 1;
double pixelsPerPoint_ = 0;  // of the screen the layout was fitted to

// The window manager's border and title bar are not known before the window
// is shown; this is room for those of the usual desktops.
constexpr QSize FrameAllowance(8, 40);

}  // namespace

double LayoutScale() { return scale_; }

void SetLayoutScale(double scale) { scale_ = scale; }

double ScaledPointSize(double pointSize) {
    if (scale_ == 1) return pointSize;
    if (pixelsPerPoint_ <= 0) return pointSize * scale_;
    const double fullPixels = std::round(pointSize * pixelsPerPoint_);
    return std::max(1.0, std::floor(fullPixels * scale_)) / pixelsPerPoint_;
}

double ScaleToFit(QSize full, QSize frame, QSize available) {
    if (full.isEmpty()) return 1;
    const double across = double(available.width() - frame.width()) / full.width();
    const double down = double(available.height() - frame.height()) / full.height();
    // Below half its size the layout could not be read: on a screen smaller
    // still, the window is cut off.
    return std::clamp(std::min(across, down), 0.5, 1.0);
}

void FitLayoutToScreen(const QScreen* screen, QSize full) {
    if (!screen) return;
    pixelsPerPoint_ = screen->logicalDotsPerInch() / 72;
    SetLayoutScale(ScaleToFit(full, FrameAllowance, screen->availableGeometry().size()));
}

}  // namespace orvik
