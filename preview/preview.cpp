#include "preview/preview.h"

#include <cmath>

#include "core/numbers.h"
#include "core/resume_next.h"
#include "preview/geometry.h"

namespace orvik {

namespace {

constexpr int ErasePenWidth = 8;  // wide enough to clear what the thin pen left around the points
constexpr int DrawPenWidth = 1;

}  // namespace

void Preview::PlaceTopView(const KeyFrame& keyFrame) {
    // The sums are formed before the rounding to whole degrees, so each range
    // edge is rounded on its own.
    ResumeNext([&] { MoveEnd(Lines.Line4, TopViewEndPoint(keyFrame.Direction)); });
    ResumeNext([&] { MoveEnd(Lines.Line1, TopViewEndPoint(keyFrame.Direction + keyFrame.DirectionRange)); });
    ResumeNext([&] { MoveEnd(Lines.Line2, TopViewEndPoint(keyFrame.Direction - keyFrame.DirectionRange)); });
}

void Preview::PlaceProjectileLines(std::optional<double> apex) {
    Line& line3 = Lines.Line3;
    Line& line4 = Lines.Line4;
    Line& line5 = Lines.Line5;
    ResumeNext([&] {
        const double dx = static_cast<double>(line4.X2) - line4.X1;
        const double dy = static_cast<double>(line4.Y2) - line4.Y1;
        StrokeLength = ToInt16(std::sqrt(dx * dx + dy * dy));
    });
    ResumeNext([&] {
        if (line4.X2 < line4.X1) StrokeLength = ToInt16(-static_cast<double>(StrokeLength));
    });
    ResumeNext([&] { line3.X2 = ToSingle(StrokeLength / 2.0 + BatsmanX); });
    ResumeNext([&] {
        if (apex) line3.Y2 = ToSingle(*apex);
    });
    ResumeNext([&] { line5.X1 = line3.X2; });
    ResumeNext([&] { line5.Y1 = line3.Y2; });
    // A 16-bit sum: a landing point beyond 32767 twips is an overflow.
    ResumeNext([&] { line5.X2 = ToInt16(static_cast<double>(StrokeLength) + BatsmanX); });
    ResumeNext([&] { line5.Y2 = line3.Y1; });
}

void Preview::EraseProjectileCurve(DrawingSurface& surface) const {
    ResumeNext([&] { surface.SetDrawWidth(ErasePenWidth); });
    ForEachProjectileCurvePoint(Lines.Line3.X1, Lines.Line3.Y2, Lines.Line5.X2, [&](PointF p) {
        ResumeNext([&] { surface.PlotPoint(p.x, p.y, surface.BackColor()); });
    });
    ResumeNext([&] { surface.SetDrawWidth(DrawPenWidth); });
}

void Preview::DrawProjectileCurve(DrawingSurface& surface) const {
    ResumeNext([&] { surface.SetDrawWidth(DrawPenWidth); });
    ForEachProjectileCurvePoint(Lines.Line3.X1, Lines.Line3.Y2, Lines.Line5.X2,
                                [&](PointF p) { ResumeNext([&] { surface.PlotPointInForeColor(p.x, p.y); }); });
}

void Preview::PreviewKeyFrame(const StrokeFile& stroke, int k, DrawingSurface& surface,
                              const std::function<void()>& showFields) {
    // The erase runs while Line3 and Line5 still hold the previous geometry,
    // the draw after the last of them has been set.
    EraseProjectileCurve(surface);
    if (showFields) showFields();
    ResumeNext([&] { PlaceTopView(KeyFrameAt(stroke, k)); });
    ResumeNext([&] { PlaceProjectileLines(ApexY(KeyFrameAt(stroke, k).Vertical)); });
    DrawProjectileCurve(surface);
}

}  // namespace orvik
