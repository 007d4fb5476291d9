#pragma once
// The preview state: the five lines of the top view and the projectile view,
// and StrokeLength, with the operations that place them and erase and draw the
// flight arc. Every step fails on its own (an index outside 0 to 9, an
// overflow) and the next step still runs.
#include <cstdint>
#include <functional>
#include <optional>

#include "core/stroke_file.h"
#include "preview/drawing_surface.h"
#include "preview/geometry.h"

namespace orvik {

struct Line {
    float X1, Y1, X2, Y2;
};

// Moves a line's end point: Y2 is set before X2.
inline void MoveEnd(Line& line, PointF end) {
    line.Y2 = end.y;
    line.X2 = end.x;
}

struct PreviewLines {
    Line Line1{2280, 4200, 3540, 2820};  // one edge of the direction range
    Line Line2{2280, 4200, 1320, 2580};  // other edge of the direction range
    Line Line3{2280, 1560, 2940, 720};   // launch point to highest point (hidden)
    Line Line4{2280, 4200, 2280, 2280};  // direction of the stroke
    Line Line5{2940, 720, 3540, 1560};   // highest point to landing point (hidden)
};

class Preview {
public:
    PreviewLines Lines;
    std::int16_t StrokeLength = 0;

    void PlaceTopView(const KeyFrame& keyFrame);
    // Sets StrokeLength, Line3 and Line5 from Line4; moves the highest point to
    // `apex` when one is given.
    void PlaceProjectileLines(std::optional<double> apex);
    void EraseProjectileCurve(DrawingSurface& surface) const;
    void DrawProjectileCurve(DrawingSurface& surface) const;
    // Shows KeyFrames(k): erase, place the top view, place the projectile lines
    // at ApexY(Vertical), draw. `showFields`, where given, fills the caller's
    // displays of the key frame between the erase and the placing. With k
    // outside 0 to 9 the two placing steps fail.
    void PreviewKeyFrame(const StrokeFile& stroke, int k, DrawingSurface& surface,
                         const std::function<void()>& showFields = {});
};

}  // namespace orvik
