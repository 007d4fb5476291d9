#pragma once
// The window's colours are kept as 0x00BBGGRR, blue in the high byte.
#include <QColor>
#include <QPalette>
#include <QWidget>

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
inline constexpr Colour DarkText = 0x00000000;   // text on the white and the green

// Where the layout fixes a background, it fixes the text on it as well: the
// dark text, whatever palette the desktop gives, so that it reads on the white
// under a dark one too.
inline void FixTextColour(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, QtColour(DarkText));
    widget.setPalette(palette);
}

}  // namespace orvik
