#include "preview/preview.h"

#include <gtest/gtest.h>

#include <limits>

#include "fakes.h"
#include "preview/geometry.h"

namespace orvik {
namespace {

using testing::RecordingSurface;

void ExpectEnd(const Line& line, float x2, float y2) {
    EXPECT_EQ(line.X1, 2280);
    EXPECT_EQ(line.Y1, 4200);
    EXPECT_EQ(line.X2, x2);
    EXPECT_EQ(line.Y2, y2);
}

StrokeFile StrokeWithKeyFrame(int k, double direction, double range, double vertical) {
    StrokeFile stroke;
    stroke.KeyFrames[k].Direction = direction;
    stroke.KeyFrames[k].DirectionRange = range;
    stroke.KeyFrames[k].Vertical = vertical;
    return stroke;
}

TEST(Preview, StraightStrokeFromTheDesignTimeLayout) {
    Preview preview;
    RecordingSurface surface;
    preview.PreviewKeyFrame(StrokeFile{}, 0, surface);

    ExpectEnd(preview.Lines.Line4, 2280, 2280);
    ExpectEnd(preview.Lines.Line1, 2280, 2280);
    ExpectEnd(preview.Lines.Line2, 2280, 2280);
    EXPECT_EQ(preview.StrokeLength, 1920);
    const Line& line3 = preview.Lines.Line3;
    const Line& line5 = preview.Lines.Line5;
    EXPECT_EQ(line3.X1, 2280);
    EXPECT_EQ(line3.Y1, 1560);
    EXPECT_EQ(line3.X2, 3240);
    EXPECT_EQ(line3.Y2, 110);
    EXPECT_EQ(line5.X1, 3240);
    EXPECT_EQ(line5.Y1, 110);
    EXPECT_EQ(line5.X2, 4200);
    EXPECT_EQ(line5.Y2, 1560);

    // Erase the design-time arc (x0 2280, W 1260, H 820) with the wide pen in
    // the background colour, then draw the new one thin in the foreground.
    EXPECT_EQ(surface.penWidths, (std::vector<int>{8, 1, 1}));
    const auto erased = surface.Erased();
    const auto designTimeArc = ProjectileCurvePoints(2280, 720, 3540);
    ASSERT_EQ(erased.size(), designTimeArc.size());
    ASSERT_FALSE(erased.empty());
    EXPECT_EQ(erased.front().x, 2281);
    for (const auto& p : erased) EXPECT_EQ(p.penWidth, 8);
    const auto drawn = surface.Drawn();
    ASSERT_EQ(drawn.size(), 64u);
    EXPECT_EQ(drawn.front().x, 2281);
    EXPECT_EQ(drawn.back().x, 4171);
    for (const auto& p : drawn) EXPECT_EQ(p.penWidth, 1);
    EXPECT_FALSE(surface.plots.front().foreColour);  // the erase comes first
}

TEST(Preview, LeftAndDownwardStrokes) {
    Preview preview;
    RecordingSurface surface;
    preview.PreviewKeyFrame(StrokeWithKeyFrame(3, 67500000, 0, 0), 3, surface);  // 90 degrees
    ExpectEnd(preview.Lines.Line4, 360, 4200);
    EXPECT_EQ(preview.StrokeLength, -1920);
    EXPECT_EQ(preview.Lines.Line3.X2, 1320);
    EXPECT_EQ(preview.Lines.Line5.X2, 360);
    const auto drawn = surface.Drawn();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front().x, 361);
    EXPECT_EQ(drawn.back().x, 2251);

    preview.PreviewKeyFrame(StrokeWithKeyFrame(3, 135000000, 0, 0), 3, surface);  // 180 degrees
    ExpectEnd(preview.Lines.Line4, 2280, 6120);
    EXPECT_EQ(preview.StrokeLength, 1920);  // not to the left: the flight runs right
    EXPECT_EQ(preview.Lines.Line5.X2, 4200);
}

TEST(Preview, RangeEdgesAreRoundedToWholeDegreesOnTheirOwn) {
    Preview preview;
    RecordingSurface surface;
    preview.PreviewKeyFrame(StrokeWithKeyFrame(0, 0, 375000, 0), 0, surface);
    ExpectEnd(preview.Lines.Line1, 2280, 2280);  // Round(0.5) = 0
    ExpectEnd(preview.Lines.Line2, 2280, 2280);  // Round(-0.5) = 0

    preview.PreviewKeyFrame(StrokeWithKeyFrame(0, 1875000, 750000, 0), 0, surface);
    const PointF two = TopViewEndPoint(1500000);
    ExpectEnd(preview.Lines.Line4, two.x, two.y);  // 2.5 -> 2
    const PointF four = TopViewEndPoint(3000000);
    ExpectEnd(preview.Lines.Line1, four.x, four.y);  // 3.5 -> 4
    ExpectEnd(preview.Lines.Line2, two.x, two.y);  // 1.5 -> 2
}

TEST(Preview, FlatAndVanishingArcs) {
    Preview preview;
    RecordingSurface surface;
    preview.PreviewKeyFrame(StrokeWithKeyFrame(0, 0, 0, 136000000), 0, surface);
    EXPECT_EQ(preview.Lines.Line3.Y2, 1538);
    EXPECT_FALSE(surface.Drawn().empty());

    surface.Clear();
    preview.PreviewKeyFrame(StrokeWithKeyFrame(0, 0, 0, 137000000), 0, surface);
    EXPECT_EQ(preview.Lines.Line3.Y2, 1548.5);
    EXPECT_EQ(preview.Lines.Line5.Y1, 1548.5);
    EXPECT_TRUE(surface.Drawn().empty());

    // Erasing that geometry plots nothing but still leaves the thin pen.
    surface.Clear();
    preview.EraseProjectileCurve(surface);
    EXPECT_TRUE(surface.plots.empty());
    EXPECT_EQ(surface.penWidths, (std::vector<int>{8, 1}));
}

TEST(Preview, ZeroLengthDirectionLineLeavesNoArc) {
    Preview preview;
    RecordingSurface surface;
    preview.Lines.Line4.X2 = 2280;
    preview.Lines.Line4.Y2 = 4200;
    preview.PlaceProjectileLines(std::nullopt);
    EXPECT_EQ(preview.StrokeLength, 0);
    EXPECT_EQ(preview.Lines.Line3.X2, 2280);
    EXPECT_EQ(preview.Lines.Line5.X2, 2280);
    EXPECT_EQ(preview.Lines.Line3.Y2, 720);  // no apex given: the height stays
    preview.DrawProjectileCurve(surface);
    EXPECT_TRUE(surface.plots.empty());
}

TEST(Preview, EachStepFailsOnItsOwn) {
    Preview preview;
    RecordingSurface surface;
    preview.PreviewKeyFrame(StrokeFile{}, 0, surface);
    ASSERT_EQ(preview.StrokeLength, 1920);

    // A length beyond 16 bits keeps the old StrokeLength; the later steps run.
    preview.Lines.Line4.X2 = 2280 + 40000;
    preview.Lines.Line5.Y2 = 0;
    preview.PlaceProjectileLines(500.0);
    EXPECT_EQ(preview.StrokeLength, 1920);
    EXPECT_EQ(preview.Lines.Line3.X2, 3240);
    EXPECT_EQ(preview.Lines.Line3.Y2, 500);
    EXPECT_EQ(preview.Lines.Line5.Y1, 500);
    EXPECT_EQ(preview.Lines.Line5.Y2, 1560);

    // A landing point beyond 16 bits keeps the old Line5.X2 only.
    preview.Lines.Line4.X2 = 2280 + 31000;
    preview.Lines.Line4.Y2 = 4200;
    preview.PlaceProjectileLines(std::nullopt);
    EXPECT_EQ(preview.StrokeLength, 31000);
    EXPECT_EQ(preview.Lines.Line3.X2, 17780);
    EXPECT_EQ(preview.Lines.Line5.X1, 17780);
    EXPECT_EQ(preview.Lines.Line5.X2, 4200);

    // A range edge whose sum overflows stays; the other lines move.
    const double huge = std::numeric_limits<double>::max();
    preview.Lines.Line1.X2 = 1;
    preview.PlaceTopView(KeyFrame{0, 0, huge, huge, 0, 0, ""});
    EXPECT_EQ(preview.Lines.Line1.X2, 1);
    EXPECT_EQ(preview.Lines.Line2.X2, 2280);
    EXPECT_EQ(preview.Lines.Line2.Y2, 2280);
}

TEST(Preview, KeyFrameIndexOutsideTheArrayOnlyErasesAndDraws) {
    Preview preview;
    RecordingSurface surface;
    const StrokeFile stroke = StrokeWithKeyFrame(0, 67500000, 0, 0);
    for (int k : {-1, 10}) {
        surface.Clear();
        preview.PreviewKeyFrame(stroke, k, surface);
        ExpectEnd(preview.Lines.Line4, 2280, 2280);  // design-time lines stay
        ExpectEnd(preview.Lines.Line1, 3540, 2820);
        EXPECT_EQ(preview.StrokeLength, 0);
        EXPECT_EQ(preview.Lines.Line3.X2, 2940);
        EXPECT_EQ(surface.penWidths, (std::vector<int>{8, 1, 1}));
        EXPECT_EQ(surface.Erased().size(), surface.Drawn().size());  // the same arc
    }
}

}  // namespace
}  // namespace orvik
