#pragma once
// The window's colours are kept as 0x00BBGGRR, blue in the high byte.
#include <QColor>

#include "preview/drawing_surface.h"

namespace orvik {

inline QColor QtColour(Colour bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline constexpr Colour White = 0x00FFFFFF;
inline constexpr Colour Green = 0x0000C000;      // the disc of the top view
inline constexpr Colour DarkGreen = 0x00008000;  // the ground strip of the side view
inline constexpr Colour Grey = 0x00808080;       // the dark half of an etched rule

}  // namespace orvik
