#pragma once
// What the arc passes need of the window's surface. Plotted points are not
// kept by the caller; the surface decides how they survive repaints.
#include <cstdint>

namespace orvik {

// Colours as the window keeps them: 0x00BBGGRR.
using Colour = std::uint32_t;

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    virtual Colour BackColor() const = 0;
    virtual void SetDrawWidth(int pixels) = 0;
    // One point at (x, y) twips with the current pen width.
    virtual void PlotPoint(float x, float y, Colour colour) = 0;
    virtual void PlotPointInForeColor(float x, float y) = 0;
};

}  // namespace orvik
