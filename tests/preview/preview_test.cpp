// The preview's geometry, its erase-place-draw passes and the mouse editing,
// against a recording surface and fake controls.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "preview/geometry.h"
#include "preview/mouse_editing.h"

namespace orvik {

static bool operator==(PointF a, PointF b) { return a.x == b.x && a.y == b.y; }

namespace {

struct RecordingSurface : DrawingSurface {
    std::vector<int> pens;  // every SetDrawWidth in order
    std::vector<PointF> erased, drawn;
    // The erase paints the background with the wide pen, the draw the foreground with the thin one.
    void PlotPoint(float x, float y, Colour c) override { Plot(erased, {x, y}, 8, c == BackColor()); }
    void PlotPointInForeColor(float x, float y) override { Plot(drawn, {x, y}, 1, true); }
    void Plot(std::vector<PointF>& to, PointF p, int pen, bool rightColour) {
        EXPECT_TRUE(rightColour && !pens.empty() && pens.back() == pen) << "plotted with the wrong pen or colour";
        to.push_back(p);
    }
    Colour BackColor() const override { return 0xFFFFFF; }
    void SetDrawWidth(int pixels) override { pens.push_back(pixels); }
    void Clear() { pens.clear(), erased.clear(), drawn.clear(); }
};

struct FakeControls : EditorControls {
    int timing = 0;
    std::string range = "0", shown;  // the typed Text2(6); the display writes since the last tick began
    int TimingIndex() const override { return timing; }
    std::string DirectionRangeText() const override { return range; }
    void SetVerticalText(const std::string& s) override { shown += "Text2(1) " + s + ", "; }
    void SetVerticalCaption(const std::string& s) override { shown += "Label3(1) " + s + ", "; }
    void SetDirectionText(const std::string& s) override { shown += "Text2(2) " + s + ", "; }
    void SetDirectionCaption(const std::string& s) override { shown += "Label3(2) " + s + ", "; }
};

// A top-view line: from the batsman's point, 1920 long, at whole degrees (0 up, 90 left).
void ExpectEndAt(const Line& line, double degrees) {
    const double r = degrees * std::numbers::pi / 180;
    EXPECT_NEAR(line.X2, 2280 - 1920 * std::sin(r), 0.01) << degrees;
    EXPECT_NEAR(line.Y2, 4200 - 1920 * std::cos(r), 0.01) << degrees;
}

TEST(Preview, KeyFramesPlaceTheLinesAndRedrawTheArc) {
    // Degrees of Line4, Line1, Line2; the arc has 64 points from firstX in steps of 30, or none. Each
    // row's erase goes over the arc of the row before, so a row without an arc is erased without a plot.
    struct Row { double direction, range, vertical, deg4, deg1, deg2; int length; float apexY, firstX, firstY, lastY; };
    const Row rows[] = {
        {0, 0, 0, 0, 0, 0, 1920, 110, 2281, 1497.02f, 1414.9f},
        {67500000, 0, 0, 90, 90, 90, -1920, 110, 361, 1497.02f, 1414.9f},     // left: the flight runs left
        {135000000, 0, 0, 180, 180, 180, 1920, 110, 2281, 1497.02f, 1414.9f},  // down is not left
        {1875000, 750000, 0, 2, 4, 2, -1920, 110, 361, 1497.02f, 1414.9f},     // 2.5, 3.5 and 1.5 degrees
        {0, 375000, 0, 0, 0, 0, 1920, 110, 2281, 1497.02f, 1414.9f},           // +-0.5 degrees
        {0, 0, 136000000, 0, 0, 0, 1920, 1538, 2281, 1499.996f, 1499.881f},    // a flat arc
        {0, 0, 136500000, 0, 0, 0, 1920, 1538, 2281, 1499.996f, 1499.881f},    // 136.5 steps round to 136
        {0, 0, 137000000, 0, 0, 0, 1920, 1548.5, 0, 0, 0},                     // below the ground: no arc
        {0, 0, 137500000, 0, 0, 0, 1920, 1559, 0, 0, 0},                       // 137.5 steps round to 138
    };
    Preview preview;
    RecordingSurface surface;
    StrokeFile stroke;
    const PreviewLines& l = preview.Lines;
    std::vector<PointF> previous = ProjectileCurvePoints(2280, 720, 3540);  // the design-time lines
    // No such key frame: the design-time lines stay and their arc is erased and drawn again.
    for (int k : {-1, 10}) preview.PreviewKeyFrame(stroke, k, surface);
    EXPECT_TRUE(l.Line4.X2 == 2280 && l.Line1.X2 == 3540 && l.Line3.X2 == 2940 && preview.StrokeLength == 0);
    EXPECT_TRUE(surface.pens == (std::vector<int>{8, 1, 1, 8, 1, 1}) && surface.erased == surface.drawn &&
                surface.drawn.size() == 2 * previous.size());
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.direction << " " << row.range << " " << row.vertical);
        stroke.KeyFrames[4] = {0, row.vertical, row.direction, row.range, 0, 0, ""};
        surface.Clear(), preview.PreviewKeyFrame(stroke, 4, surface);
        ExpectEndAt(l.Line4, row.deg4), ExpectEndAt(l.Line1, row.deg1), ExpectEndAt(l.Line2, row.deg2);
        EXPECT_TRUE(l.Line3.X1 == 2280 && l.Line3.Y1 == 1560 && l.Line3.X2 == 2280 + row.length / 2.0f);
        EXPECT_TRUE(l.Line5.X1 == l.Line3.X2 && l.Line5.Y1 == l.Line3.Y2 && l.Line5.Y2 == 1560);
        EXPECT_TRUE(preview.StrokeLength == row.length && l.Line3.Y2 == row.apexY && l.Line5.X2 == 2280 + row.length);
        // The old arc is erased before the lines move, the new one drawn after.
        EXPECT_TRUE(surface.pens == (std::vector<int>{8, 1, 1}) && surface.erased == previous);
        const std::vector<PointF>& p = previous = surface.drawn;
        ASSERT_EQ(p.size(), row.firstX ? 64u : 0u);
        if (p.empty()) continue;
        // First, highest (40 above Line3's end) and last.
        EXPECT_TRUE(p[0].x == row.firstX && p[32].x == row.firstX + 960 && p[63].x == row.firstX + 1890);
        EXPECT_NEAR(p[0].y, row.firstY, 0.005);
        EXPECT_NEAR(p[32].y, row.apexY - 40, 0.005);
        EXPECT_NEAR(p[63].y, row.lastY, 0.05);
    }
}

TEST(Preview, EachPlacingStepFailsOnItsOwn) {
    Preview preview;
    const PreviewLines& l = preview.Lines;
    // A length beyond 16 bits keeps StrokeLength, and the later steps run.
    preview.Lines.Line4.X2 = 2280 + 40000, preview.PlaceProjectileLines(500.0);
    EXPECT_TRUE(preview.StrokeLength == 0 && l.Line3.X2 == 2280 && l.Line3.Y2 == 500 && l.Line5.X2 == 2280);
    // A landing point beyond 16 bits keeps Line5.X2 only.
    preview.Lines.Line4 = {2280, 4200, 2280 + 31000, 4200}, preview.PlaceProjectileLines(std::nullopt);
    EXPECT_TRUE(preview.StrokeLength == 31000 && l.Line3.X2 == 17780 && l.Line5.X1 == 17780 && l.Line5.X2 == 2280);
    // A range edge whose sum overflows stays; the other edge moves.
    preview.PlaceTopView({0, 0, 1e308, 1e308, 0, 0, ""});
    EXPECT_EQ(l.Line1.X2, 3540);
    ExpectEndAt(l.Line2, 0);
    // Arc arguments no preview line can hold neither hang nor plot off the scale.
    EXPECT_LE(ProjectileCurvePoints(0, -1e30f, 1e30f).size(), 2185u);
}

// Clicks arm and disarm the views; ticks with both armed: without a timing, then editing the direction in
// timing 2 ("Perfectly on time"), then the height in timing 7.
TEST(MouseEditing, ClicksArmTheViewsAndTicksStoreThePointersDirectionAndHeight) {
    StrokeFile stroke;
    Preview preview;
    MouseEditing mouse;
    FakeControls controls;
    RecordingSurface surface;
    std::vector<PointF> arc = ProjectileCurvePoints(2280, 720, 3540);  // the design-time lines' arc
    const PreviewLines& l = preview.Lines;
    const auto clickAt = [&](float x, float y) { mouse.MouseMove(x, y), mouse.Click(); };
    const auto tickAt = [&](float x, float y) {
        surface.Clear(), controls.shown.clear(), mouse.MouseMove(x, y);
        const TickResult result = mouse.Tick(stroke, preview, controls, surface);
        // A tick that edits erases the arc on the window before the lines move; an idle one does nothing.
        EXPECT_TRUE(result.Changed() ? surface.erased == std::exchange(arc, surface.drawn)
                                     : surface.pens.empty() && controls.shown.empty());
        return result;
    };
    // After the misses, a click into the other view arms it as well, a second click disarms; the pointer is
    // rounded half to even, and a position beyond 16 bits leaves the last one.
    struct Click { float x, y; int direction, height; };
    const Click clicks[] = {{4321, 6240, 0, 0}, {4320, 6241, 0, 0}, {4321, 1680, 0, 0}, {300, 299, 0, 0},
        {4320, 6240, -1, 0}, {300, 300, -1, -1}, {4320, 1680, -1, 0}, {360, 2280, 0, 0}, {4320.5f, 299.5f, 0, -1},
        {40000, std::numeric_limits<float>::quiet_NaN(), 0, 0}};
    for (const Click& c : clicks) {
        clickAt(c.x, c.y);
        EXPECT_TRUE(mouse.DirectionEditOn == c.direction && mouse.HeightEditOn == c.height) << c.x << " " << c.y;
    }
    EXPECT_FALSE(tickAt(2280, 3000).Changed());  // nothing armed
    clickAt(2280, 3000);
    EXPECT_FALSE(tickAt(1000, 1000).Changed() || tickAt(4321, 3000).Changed());  // the other view, just outside
    clickAt(1000, 1000);

    // Without a timing the lines follow, but no key frame or display changes.
    controls.timing = -1, controls.range = "3750000";
    for (float y : {3200.0f, 1000.0f}) EXPECT_TRUE(tickAt(1280, y).Changed() && controls.shown.empty());
    EXPECT_TRUE(l.Line4.X2 == 1280 && l.Line3.Y2 == 1000 && preview.StrokeLength == -1414 && !arc.empty());
    EXPECT_TRUE(l.Line1.X2 == 3540 && l.Line2.X2 == 1320);  // the range lines stay
    for (const KeyFrame& k : stroke.KeyFrames) EXPECT_TRUE(!k.Direction && !k.DirectionRange && !k.Vertical);

    // A typed range (5 degrees) is taken at once; one that does not convert leaves the old one.
    struct Direction { float x, y; double direction; int length; const char* range; };
    const Direction directions[] = {
        {2280, 3000, 60000, 1200, "3750000"},     {2280, 5000, 134977500, 800, "3750000"},  // 0.08 and 179.97
        {360, 4200, 67500000, -1920, "3750000"},  {4200, 4200, 202500000, 1920, "3750000"},
        {1280, 3200, 33750000, -1414, "3750000"}, {1280, 3200, 33750000, -1414, "3750000"},  // at rest: rewritten
        {2280, 4200, 0, 0, "3750000"}, {3280, 3200, 236250000, 1414, "abc"}};  // the batsman's point: no flight
    controls.timing = 2;
    for (const Direction& row : directions) {
        SCOPED_TRACE(::testing::Message() << row.x << " " << row.y);
        controls.range = row.range;
        EXPECT_TRUE(tickAt(row.x, row.y).DirectionEdited);
        EXPECT_TRUE(stroke.KeyFrames[2].Direction == row.direction && stroke.KeyFrames[2].DirectionRange == 3750000);
        const std::string text = std::to_string(static_cast<long>(row.direction));
        EXPECT_EQ(controls.shown, "Text2(2) " + text + ", Label3(2) " + text + ", ");
        // Line4 ends at the pointer, the flight is as long as Line4, the height stays.
        EXPECT_TRUE(l.Line4.X2 == row.x && l.Line4.Y2 == row.y && preview.StrokeLength == row.length &&
                    l.Line5.X2 == 2280 + row.length && l.Line3.Y2 == 1000);
        const double degrees = std::round(row.direction / 750000);
        ExpectEndAt(l.Line1, degrees + 5), ExpectEndAt(l.Line2, degrees - 5);
        EXPECT_EQ(arc.empty(), row.length == 0);
    }

    // ApexY shows the stored Vertical at shownAt; the flight's length stays.
    struct Height { float y; double vertical, shownAt; };
    const Height heights[] = {
        {320, 20000000, 320}, {720, 58095238, 719}, {300, 18095238, 299}, {1680, 149523810, 1685}};
    controls.timing = 7;
    for (const Height& row : heights) {
        SCOPED_TRACE(row.y);
        EXPECT_TRUE(tickAt(1000, row.y).HeightEdited);
        EXPECT_TRUE(stroke.KeyFrames[7].Vertical == row.vertical && ApexY(row.vertical) == row.shownAt);
        const std::string text = std::to_string(static_cast<long>(row.vertical));
        EXPECT_EQ(controls.shown, "Text2(1) " + text + ", Label3(1) " + text + ", ");
        EXPECT_TRUE(l.Line3.Y2 == row.y && preview.StrokeLength == 1414);
        EXPECT_EQ(arc.empty(), row.y == 1680);  // below 1540: no arc
    }
}

}  // namespace
}  // namespace orvik
