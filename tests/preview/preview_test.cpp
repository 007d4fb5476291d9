// The preview's geometry, its erase-place-draw passes and the mouse editing,
// against a recording surface and fake controls.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "preview/geometry.h"
#include "preview/mouse_editing.h"

namespace orvik {

static bool operator==(PointF a, PointF b) { return a.x == b.x && a.y == b.y; }

namespace {

struct RecordingSurface : DrawingSurface {
    std::vector<int> pens;  // every SetDrawWidth in order
    std::vector<PointF> erased, drawn;
    // The erase paints the background with the wide pen, the draw the foreground with the thin one.
    void PlotPoint(float x, float y, Colour c) override { Plot(erased, {x, y}, c == BackColor() && Pen() == 8); }
    void PlotPointInForeColor(float x, float y) override { Plot(drawn, {x, y}, Pen() == 1); }
    void Plot(std::vector<PointF>& to, PointF p, bool rightPen) {
        EXPECT_TRUE(rightPen) << "plotted with the wrong pen or colour";
        to.push_back(p);
    }
    Colour BackColor() const override { return 0xFFFFFF; }
    void SetDrawWidth(int pixels) override { pens.push_back(pixels); }
    int Pen() const { return pens.empty() ? 1 : pens.back(); }
    void Clear() { pens.clear(), erased.clear(), drawn.clear(); }
};

struct FakeControls : EditorControls {
    int timing = 0, writes = 0;
    std::string range = "0", vText = "Text2", vCaption, dText = "Text2", dCaption;  // as the window starts them
    int TimingIndex() const override { return timing; }
    std::string DirectionRangeText() const override { return range; }
    void SetVerticalText(const std::string& s) override { ++writes, vText = s; }
    void SetVerticalCaption(const std::string& s) override { ++writes, vCaption = s; }
    void SetDirectionText(const std::string& s) override { ++writes, dText = s; }
    void SetDirectionCaption(const std::string& s) override { ++writes, dCaption = s; }
};

// A top-view line: from the batsman's point, 1920 long, at whole degrees (0 up, 90 left).
void ExpectEndAt(const Line& line, double degrees) {
    const double r = degrees * std::numbers::pi / 180;
    EXPECT_NEAR(line.X2, 2280 - 1920 * std::sin(r), 0.01) << degrees;
    EXPECT_NEAR(line.Y2, 4200 - 1920 * std::cos(r), 0.01) << degrees;
}

TEST(Preview, KeyFramesPlaceTheLinesAndRedrawTheArc) {
    // Degrees of Line4, Line1, Line2; the arc has 64 points from firstX in steps of 30, or none.
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
    std::vector<PointF> previous = ProjectileCurvePoints(2280, 720, 3540);  // the design-time lines
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.direction << " " << row.range << " " << row.vertical);
        stroke.KeyFrames[4] = {0, row.vertical, row.direction, row.range, 0, 0, ""};
        surface.Clear(), preview.PreviewKeyFrame(stroke, 4, surface);
        const PreviewLines& l = preview.Lines;
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
    surface.Clear();  // erasing the arc that could not be drawn plots nothing and leaves the thin pen
    preview.EraseProjectileCurve(surface);
    EXPECT_TRUE(surface.erased.empty() && surface.pens == (std::vector<int>{8, 1}));
}

TEST(Preview, EachStepFailsOnItsOwn) {
    Preview preview;
    RecordingSurface surface;
    const PreviewLines& l = preview.Lines;
    // No such key frame: the design-time lines stay and the same arc is redrawn.
    for (int k : {-1, 10}) preview.PreviewKeyFrame(StrokeFile{}, k, surface);
    EXPECT_TRUE(l.Line4.X2 == 2280 && l.Line1.X2 == 3540 && l.Line3.X2 == 2940 && preview.StrokeLength == 0);
    EXPECT_TRUE(surface.pens.size() == 6 && !surface.drawn.empty() && surface.erased == surface.drawn);
    // A length beyond 16 bits keeps StrokeLength, and the later steps run.
    preview.Lines.Line4.X2 = 2280 + 40000;
    preview.PlaceProjectileLines(500.0);
    EXPECT_TRUE(preview.StrokeLength == 0 && l.Line3.X2 == 2280 && l.Line3.Y2 == 500 && l.Line5.X2 == 2280);
    // A landing point beyond 16 bits keeps Line5.X2 only.
    preview.Lines.Line4 = {2280, 4200, 2280 + 31000, 4200};
    preview.PlaceProjectileLines(std::nullopt);
    EXPECT_TRUE(preview.StrokeLength == 31000 && l.Line3.X2 == 17780 && l.Line5.X1 == 17780 && l.Line5.X2 == 2280);
    // A range edge whose sum overflows stays; the other edge moves.
    const double huge = std::numeric_limits<double>::max();
    preview.PlaceTopView({0, 0, huge, huge, 0, 0, ""});
    EXPECT_EQ(l.Line1.X2, 3540);
    ExpectEndAt(l.Line2, 0);
    // Arc arguments no preview line can hold neither hang nor plot off the scale.
    EXPECT_LE(ProjectileCurvePoints(0, -1e30f, 1e30f).size(), 2185u);
}

// A straight stroke with its preview placed, and the window's pieces.
struct Editor {
    StrokeFile stroke;
    Preview preview;
    MouseEditing mouse;
    FakeControls controls;
    RecordingSurface surface;
    std::vector<PointF> arc = ProjectileCurvePoints(2280, 110, 4200);  // on the window
    Editor() { preview.PreviewKeyFrame(stroke, 0, surface); }
    void ClickAt(float x, float y) { mouse.MouseMove(x, y), mouse.Click(); }
    TickResult TickAt(float x, float y) {
        surface.Clear(), controls.writes = 0, mouse.MouseMove(x, y);
        const TickResult result = mouse.Tick(stroke, preview, controls, surface);
        // A tick that edits erases the arc on the window before the lines move.
        EXPECT_TRUE(!result.Changed() || surface.erased == std::exchange(arc, surface.drawn));
        return result;
    }
    bool IdleTickAt(float x, float y) { return !TickAt(x, y).Changed() && surface.pens.empty() && !controls.writes; }
};

TEST(MouseEditing, ClicksToggleTheViewTheyHitBoundsIncluded) {
    struct Row { float x, y; int direction, height; };
    const Row rows[] = {
        {4321, 6240, 0, 0},  {4320, 6241, 0, 0}, {4321, 1680, 0, 0}, {300, 299, 0, 0},
        {4320, 6240, -1, 0}, {300, 300, -1, -1},  // the other view arms as well
        {4320, 1680, -1, 0}, {360, 2280, 0, 0},   // a second click disarms
        {4320.5f, 299.5f, 0, -1},                 // the pointer is rounded half to even
        {40000, std::numeric_limits<float>::quiet_NaN(), 0, 0},  // beyond 16 bits: the last position stays
    };
    MouseEditing mouse;
    for (const Row& row : rows) {
        mouse.MouseMove(row.x, row.y), mouse.Click();
        EXPECT_EQ(mouse.DirectionEditOn, row.direction) << row.x << " " << row.y;
        EXPECT_EQ(mouse.HeightEditOn, row.height) << row.x << " " << row.y;
    }
}

TEST(MouseEditing, DirectionTicksStoreThePointersAngle) {
    // A typed range (5 degrees) is taken at once; one that does not convert leaves the old one.
    struct Row { float x, y; double direction; int length; const char* range; };
    const Row rows[] = {
        {2280, 3000, 60000, 1200, "3750000"},     {2280, 5000, 134977500, 800, "3750000"},  // 0.08 and 179.97
        {360, 4200, 67500000, -1920, "3750000"},  {4200, 4200, 202500000, 1920, "3750000"},
        {1280, 3200, 33750000, -1414, "3750000"}, {1280, 3200, 33750000, -1414, "3750000"},  // at rest: rewritten
        {3280, 3200, 236250000, 1414, "abc"},     {2280, 4200, 0, 0, "3750000"},  // the batsman's point: no flight
    };
    Editor e;
    e.controls.timing = 2;
    EXPECT_TRUE(e.IdleTickAt(2280, 3000));  // nothing armed
    e.ClickAt(2280, 3000);
    EXPECT_TRUE(e.IdleTickAt(1000, 1000) && e.IdleTickAt(4321, 3000));  // the other view, just outside
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.x << " " << row.y);
        e.controls.range = row.range;
        EXPECT_TRUE(e.TickAt(row.x, row.y).DirectionEdited);
        const KeyFrame& keyFrame = e.stroke.KeyFrames[2];
        EXPECT_TRUE(keyFrame.Direction == row.direction && keyFrame.DirectionRange == 3750000);
        const std::string text = std::to_string(static_cast<long>(row.direction));
        EXPECT_TRUE(e.controls.dText == text && e.controls.dCaption == text && e.controls.writes == 2);
        const PreviewLines& l = e.preview.Lines;
        EXPECT_TRUE(l.Line4.X2 == row.x && l.Line4.Y2 == row.y && l.Line3.Y2 == 110);  // the height stays
        EXPECT_TRUE(e.preview.StrokeLength == row.length && l.Line5.X2 == 2280 + row.length);
        const double degrees = std::round(row.direction / 750000);
        ExpectEndAt(l.Line1, degrees + 5), ExpectEndAt(l.Line2, degrees - 5);
        EXPECT_EQ(e.arc.empty(), row.length == 0);
    }
}

TEST(MouseEditing, HeightTicksStoreTheInverseOfTheApex) {
    struct Row { float y; double vertical, shownAt; };
    Editor e;
    e.controls.timing = 7;
    e.ClickAt(1000, 1000);
    // ApexY shows the stored Vertical at shownAt; the flight's length stays.
    const Row rows[] = {{320, 20000000, 320}, {720, 58095238, 719}, {300, 18095238, 299}, {1680, 149523810, 1685}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.y);
        EXPECT_TRUE(e.TickAt(1000, row.y).HeightEdited);
        EXPECT_TRUE(e.stroke.KeyFrames[7].Vertical == row.vertical && ApexY(row.vertical) == row.shownAt);
        const std::string text = std::to_string(static_cast<long>(row.vertical));
        EXPECT_TRUE(e.controls.vText == text && e.controls.vCaption == text && e.controls.writes == 2);
        EXPECT_TRUE(e.preview.Lines.Line3.Y2 == row.y && e.preview.StrokeLength == 1920);
        EXPECT_EQ(e.arc.empty(), row.y == 1680);  // below 1540: no arc
    }
}

TEST(MouseEditing, WithoutATimingTheLinesFollowButNoKeyFrameOrDisplayChanges) {
    Editor e;
    e.controls.timing = -1, e.controls.range = "3750000";
    e.ClickAt(1280, 3200), e.ClickAt(1000, 1000);
    EXPECT_TRUE(e.TickAt(1280, 3200).Changed() && e.controls.writes == 0);
    EXPECT_TRUE(e.TickAt(1000, 1000).Changed() && e.controls.writes == 0);
    const PreviewLines& l = e.preview.Lines;
    EXPECT_TRUE(l.Line4.X2 == 1280 && l.Line3.Y2 == 1000 && e.preview.StrokeLength == -1414 && !e.arc.empty());
    ExpectEndAt(l.Line1, 0), ExpectEndAt(l.Line2, 0);  // the range lines stay
    for (const KeyFrame& k : e.stroke.KeyFrames) EXPECT_TRUE(!k.Direction && !k.DirectionRange && !k.Vertical);
    EXPECT_TRUE(e.controls.dText == "Text2" && e.controls.vText == "Text2");
}

}  // namespace
}  // namespace orvik
