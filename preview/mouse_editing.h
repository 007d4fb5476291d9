#pragma once
// Setting direction and height with the pointer. A click into a view arms or
// disarms its editing; while a view is armed and the pointer is in it, every
// timer tick turns the pointer's position into the key frame's Direction or
// Vertical, updates the displays and redraws the preview.
#include <cstdint>
#include <string>

#include "core/stroke_file.h"
#include "preview/drawing_surface.h"
#include "preview/preview.h"

namespace orvik {

// The window's controls that the tick reads and writes.
class EditorControls {
public:
    virtual ~EditorControls() = default;
    virtual int TimingIndex() const = 0;                       // Combo3.ListIndex, -1 when none
    virtual std::string DirectionRangeText() const = 0;        // Text2(6).Text
    virtual void SetVerticalText(const std::string&) = 0;      // Text2(1).Text
    virtual void SetVerticalCaption(const std::string&) = 0;   // Label3(1).Caption
    virtual void SetDirectionText(const std::string&) = 0;     // Text2(2).Text
    virtual void SetDirectionCaption(const std::string&) = 0;  // Label3(2).Caption
};

// Both bounds included, twips.
struct TwipRect {
    int Left, Top, Right, Bottom;
    bool Contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
};
inline constexpr TwipRect TopViewRect{360, 2280, 4320, 6240};
inline constexpr TwipRect ProjectileViewRect{300, 300, 4320, 1680};

// What a tick did, so that the window repaints only then.
struct TickResult {
    bool DirectionEdited = false;
    bool HeightEdited = false;
    bool Changed() const { return DirectionEdited || HeightEdited; }
};

class MouseEditing {
public:
    std::int16_t MouseX = 0;
    std::int16_t MouseY = 0;
    std::int16_t DirectionEditOn = 0;  // 0 or -1
    std::int16_t HeightEditOn = 0;     // 0 or -1

    // The pointer moved over the window to (x, y) twips.
    void MouseMove(float x, float y);
    // The window was clicked at the last pointer position.
    void Click();
    // One tick of Timer1.
    TickResult Tick(StrokeFile& stroke, Preview& preview, EditorControls& controls, DrawingSurface& surface);
};

}  // namespace orvik
