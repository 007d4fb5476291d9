#include "ui/layout_scale.h"

#include <QScreen>
#include <algorithm>

namespace orvik {
namespace {

double scale_ = 1;

// The window manager's border and title bar are not known before the window
// is shown; this is room for those of the usual desktops.
constexpr QSize FrameAllowance(8, 40);

}  // namespace

double LayoutScale() { return scale_; }

void SetLayoutScale(double scale) { scale_ = scale; }

double ScaleToFit(QSize full, QSize frame, QSize available) {
    if (full.isEmpty()) return 1;
    const double across = double(available.width() - frame.width()) / full.width();
    const double down = double(available.height() - frame.height()) / full.height();
    // Below half its size the layout could not be read: on a screen smaller
    // still, the window is cut off.
    return std::clamp(std::min(across, down), 0.5, 1.0);
}

void FitLayoutToScreen(const QScreen* screen, QSize full) {
    if (screen) SetLayoutScale(ScaleToFit(full, FrameAllowance, screen->availableGeometry().size()));
}

}  // namespace orvik
