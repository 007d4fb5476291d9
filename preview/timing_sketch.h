#pragma once
// The stroke's other timings as the previews sketch them over the shown one:
// for each key frame the end points of its direction line and range edges in
// the top view, and its flight arc in the side view, placed as the preview
// would place them if that timing were shown. Also the short names that mark
// them.
#include <optional>
#include <string>
#include <vector>

#include "core/stroke_file.h"
#include "preview/geometry.h"

namespace orvik {

struct TimingSketch {
    int KeyFrameIndex = 0;
    int Timing = -1;   // 0 "Very Late" to 4 "Very Early"; -1 for a six-hit tag that names none
    std::string Name;  // short: "VL", "L", "P", "E", "VE"; six-hit ones end in "6"
    // Top view: where the direction line and the two range edges end. None
    // where no line can end (a sum of values too large for a double).
    std::optional<PointF> Direction, RangeEdge1, RangeEdge2;
    // Side view: the highest point of the flight (none where it lies beyond
    // what a line can hold) and the dotted arc, empty where there is none.
    std::optional<PointF> Apex;
    std::vector<PointF> Arc;
};

// The short name of KeyFrames(k): "VL", "L", "P", "E", "VE" for the normal
// timings, the same followed by "6" for a six-hit key frame by its tag, and
// "6?" for a six-hit key frame whose tag names no timing.
std::string ShortTimingName(const StrokeFile& stroke, int k);

// The timing KeyFrames(k) belongs to, 0 to 4; -1 for a six-hit key frame
// whose tag names no timing.
int TimingOfKeyFrame(const StrokeFile& stroke, int k);

// KeyFrames(k) as the preview places it; k must be 0 to 9.
TimingSketch SketchOfKeyFrame(const StrokeFile& stroke, int k);

// The sketches of the timings 0 to timingCount - 1 (the entries of the timing
// list) except `shown`, the one the previews show; the six-hit ones after the
// normal ones, in index order.
std::vector<TimingSketch> OtherTimingSketches(const StrokeFile& stroke, int timingCount, int shown);

}  // namespace orvik
