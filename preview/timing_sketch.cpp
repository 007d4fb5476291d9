#include "preview/timing_sketch.h"

#include <algorithm>
#include <array>

#include "core/resume_next.h"
#include "preview/preview.h"
#include "preview/single_precision.h"

namespace orvik {

namespace {

constexpr std::array<const char*, NormalKeyFrameCount> ShortNames = {"VL", "L", "P", "E", "VE"};

std::optional<PointF> EndPoint(double value) {
    std::optional<PointF> end;
    ResumeNext([&] { end = TopViewEndPoint(value); });
    return end;
}

}  // namespace

int TimingOfKeyFrame(const StrokeFile& stroke, int k) {
    const KeyFrame& keyFrame = KeyFrameAt(stroke, k);
    if (k < NormalKeyFrameCount) return k;
    return IsValidSixHitTag(keyFrame.KeyFrameTag) ? keyFrame.KeyFrameTag[0] - '0' : -1;
}

std::string ShortTimingName(const StrokeFile& stroke, int k) {
    const int timing = TimingOfKeyFrame(stroke, k);
    if (timing < 0) return "6?";
    const std::string name = ShortNames[static_cast<std::size_t>(timing)];
    return k < NormalKeyFrameCount ? name : name + "6";
}

TimingSketch SketchOfKeyFrame(const StrokeFile& stroke, int k) {
    const KeyFrame& keyFrame = KeyFrameAt(stroke, k);
    TimingSketch sketch;
    sketch.KeyFrameIndex = k;
    sketch.Timing = TimingOfKeyFrame(stroke, k);
    sketch.Name = ShortTimingName(stroke, k);
    sketch.Direction = EndPoint(keyFrame.Direction);
    sketch.RangeEdge1 = EndPoint(keyFrame.Direction + keyFrame.DirectionRange);
    sketch.RangeEdge2 = EndPoint(keyFrame.Direction - keyFrame.DirectionRange);

    // The flight as PlaceProjectileLines makes it from the direction line
    // placed alone, without the lines of the shown timing.
    const double apex = ApexY(keyFrame.Vertical);
    if (!sketch.Direction || !FitsSingle(apex)) return sketch;
    Preview preview;
    MoveEnd(preview.Lines.Line4, *sketch.Direction);
    preview.PlaceProjectileLines(apex);
    const Line& line3 = preview.Lines.Line3;
    sketch.Apex = PointF{line3.X2, line3.Y2};
    sketch.Arc = ProjectileCurvePoints(line3.X1, line3.Y2, preview.Lines.Line5.X2);
    return sketch;
}

std::vector<TimingSketch> OtherTimingSketches(const StrokeFile& stroke, int timingCount, int shown) {
    std::vector<TimingSketch> sketches;
    const int count = std::clamp(timingCount, 0, KeyFrameCount);
    for (int k = 0; k < count; ++k)
        if (k != shown) sketches.push_back(SketchOfKeyFrame(stroke, k));
    return sketches;
}

}  // namespace orvik
