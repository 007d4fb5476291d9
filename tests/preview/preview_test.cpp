// The preview's geometry, its erase-place-draw passes and the mouse editing,
// against a recording surface and fake controls.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "preview/geometry.h"
#include "preview/mouse_editing.h"
#include "preview/timing_sketch.h"

namespace orvik {

static bool operator==(PointF a, PointF b) { return a.x == b.x && a.y == b.y; }
static void PrintTo(PointF p, std::ostream* out) { *out << '(' << p.x << ", " << p.y << ')'; }

namespace {

struct RecordingSurface : DrawingSurface {
    std::vector<int> pens;  // every SetDrawWidth in order
    std::vector<PointF> erased, drawn;
    // The erase paints the background with the wide pen, the draw the foreground with the thin one.
    void PlotPoint(float x, float y, Colour c) override { Plot(erased, {x, y}, 8, c == BackColor()); }
    void PlotPointInForeColor(float x, float y) override { Plot(drawn, {x, y}, 1, true); }
    void Plot(std::vector<PointF>& to, PointF p, int pen, bool rightColour) {
        EXPECT_TRUE(rightColour) << "plotted in the wrong colour";
        EXPECT_EQ(pens.empty() ? 0 : pens.back(), pen) << "plotted with the wrong pen";
        to.push_back(p);
    }
    Colour BackColor() const override { return 0xFFFFFF; }
    void SetDrawWidth(int pixels) override { pens.push_back(pixels); }
    void Clear() { pens.clear(), erased.clear(), drawn.clear(); }
};

struct FakeControls : EditorControls {
    int timing = 0;
    std::string range = "0";  // the typed Text2(6)
    std::string shown;        // the display writes since the last tick began
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

using Floats = std::vector<float>;

// StrokeLength, then Line3 and Line5 as x1 y1 x2 y2.
Floats Flight(const Preview& preview) {
    const Line& l3 = preview.Lines.Line3;
    const Line& l5 = preview.Lines.Line5;
    return {float(preview.StrokeLength), l3.X1, l3.Y1, l3.X2, l3.Y2, l5.X1, l5.Y1, l5.X2, l5.Y2};
}

// A flight of `length` twips from the launch point: Line3 up to the apex above
// its middle, Line5 from there down to the ground.
Floats FlightOf(int length, float apexY) {
    const float middle = 2280 + length / 2.0f;
    return {float(length), 2280, 1560, middle, apexY, middle, apexY, 2280.0f + length, 1560};
}

TEST(Preview, WithoutSuchAKeyFrameTheLinesStayAndTheirArcIsRedrawn) {
    Preview preview;
    RecordingSurface surface;
    for (int k : {-1, 10}) preview.PreviewKeyFrame(StrokeFile{}, k, surface);
    const PreviewLines& l = preview.Lines;
    EXPECT_EQ((Floats{l.Line4.X2, l.Line1.X2, l.Line3.X2, float(preview.StrokeLength)}), (Floats{2280, 3540, 2940, 0}));
    EXPECT_EQ(surface.pens, (std::vector<int>{8, 1, 1, 8, 1, 1}));
    EXPECT_EQ(surface.drawn.size(), 2 * ProjectileCurvePoints(2280, 720, 3540).size());
    EXPECT_EQ(surface.erased, surface.drawn);
}

// A key frame's direction, range and height in file units, and what the preview shows for it.
struct KeyFrameRow {
    const char* what;
    double direction = 0, range = 0, vertical = 0;
    double deg4 = 0, deg1 = 0, deg2 = 0;  // where Line4, Line1 and Line2 point
    int length = 1920;
    float apexY = 110;
    float firstX = 2281, firstY = 1497.02f, lastY = 1414.9f;  // the arc's ends; firstX 0: no arc
};

// Each row's erase goes over the arc of the row before, so a row without an arc is erased without a plot.
TEST(Preview, KeyFramesPlaceTheLinesAndRedrawTheArc) {
    // what, direction, range, vertical, deg4, deg1, deg2, length, apexY, firstX, firstY, lastY
    const KeyFrameRow rows[] = {
        {"straight up"},
        {"left: the flight runs left", 67500000, 0, 0, 90, 90, 90, -1920, 110, 361},
        {"down is not left", 135000000, 0, 0, 180, 180, 180},
        {"2.5, 3.5 and 1.5 degrees round to even", 1875000, 750000, 0, 2, 4, 2, -1920, 110, 361},
        {"a range of half a degree rounds to none", 0, 375000},
        {"136.5 height steps round to 136: a flat arc", 0, 0, 136500000, 0, 0, 0, 1920, 1538, 2281, 1499.996f,
         1499.881f},
        {"the apex below the ground: no arc", 0, 0, 137000000, 0, 0, 0, 1920, 1548.5, 0},
        {"137.5 height steps round to 138", 0, 0, 137500000, 0, 0, 0, 1920, 1559, 0},
    };
    Preview preview;
    RecordingSurface surface;
    StrokeFile stroke;
    const PreviewLines& l = preview.Lines;
    std::vector<PointF> previous = ProjectileCurvePoints(2280, 720, 3540);  // the design-time lines
    for (const KeyFrameRow& row : rows) {
        SCOPED_TRACE(row.what);
        stroke.KeyFrames[4] = {0, row.vertical, row.direction, row.range, 0, 0, ""};
        surface.Clear();
        preview.PreviewKeyFrame(stroke, 4, surface);
        ExpectEndAt(l.Line4, row.deg4);
        ExpectEndAt(l.Line1, row.deg1);
        ExpectEndAt(l.Line2, row.deg2);
        EXPECT_EQ(Flight(preview), FlightOf(row.length, row.apexY));
        // The old arc is erased before the lines move, the new one drawn after.
        EXPECT_EQ(surface.pens, (std::vector<int>{8, 1, 1}));
        EXPECT_EQ(surface.erased, previous);
        const std::vector<PointF>& p = previous = surface.drawn;
        ASSERT_EQ(p.size(), row.firstX ? 64u : 0u);
        if (p.empty()) continue;
        // First, highest (40 above Line3's end) and last, 30 twips apart.
        EXPECT_EQ((Floats{p[0].x, p[32].x, p[63].x}), (Floats{row.firstX, row.firstX + 960, row.firstX + 1890}));
        EXPECT_NEAR(p[0].y, row.firstY, 0.005);
        EXPECT_NEAR(p[32].y, row.apexY - 40, 0.005);
        EXPECT_NEAR(p[63].y, row.lastY, 0.05);
    }
}

TEST(Preview, EachPlacingStepFailsOnItsOwn) {
    Preview preview;
    const PreviewLines& l = preview.Lines;
    // A length beyond 16 bits keeps StrokeLength, and the later steps run.
    preview.Lines.Line4.X2 = 2280 + 40000;
    preview.PlaceProjectileLines(500.0);
    EXPECT_EQ(Flight(preview), FlightOf(0, 500));
    // A landing point beyond 16 bits keeps Line5.X2 only.
    preview.Lines.Line4 = {2280, 4200, 2280 + 31000, 4200};
    preview.PlaceProjectileLines(std::nullopt);
    EXPECT_EQ(Flight(preview), (Floats{31000, 2280, 1560, 17780, 500, 17780, 500, 2280, 1560}));
    // A range edge whose sum overflows stays; the other edge moves.
    preview.PlaceTopView({0, 0, 1e308, 1e308, 0, 0, ""});
    EXPECT_EQ(l.Line1.X2, 3540);
    ExpectEndAt(l.Line2, 0);
    // Arc arguments no preview line can hold neither hang nor plot off the scale.
    EXPECT_LE(ProjectileCurvePoints(0, -1e30f, 1e30f).size(), 2185u);
}

// The mouse editing on the design-time lines; `arc` is the arc last drawn.
class MouseEditingTest : public ::testing::Test {
protected:
    StrokeFile stroke;
    Preview preview;
    MouseEditing mouse;
    FakeControls controls;
    RecordingSurface surface;
    std::vector<PointF> arc = ProjectileCurvePoints(2280, 720, 3540);
    const PreviewLines& l = preview.Lines;

    void ClickAt(float x, float y) {
        mouse.MouseMove(x, y);
        mouse.Click();
    }
    // Both views armed: the top view by a click at (2280, 3000), the projectile view at (1000, 1000).
    void ArmBoth() {
        ClickAt(2280, 3000);
        ClickAt(1000, 1000);
    }
    TickResult TickAt(float x, float y) {
        surface.Clear();
        controls.shown.clear();
        mouse.MouseMove(x, y);
        const TickResult result = mouse.Tick(stroke, preview, controls, surface);
        // A tick that edits erases the arc on the window before the lines move; an idle one does nothing.
        if (result.Changed()) {
            EXPECT_EQ(surface.erased, arc);
            arc = surface.drawn;
        } else {
            EXPECT_EQ(surface.pens, std::vector<int>{});
            EXPECT_EQ(controls.shown, "");
        }
        return result;
    }
};

// A click into a view arms it, a second one disarms it; both bounds belong to the view.
TEST_F(MouseEditingTest, ClicksArmAndDisarmTheViewUnderThePointer) {
    struct ClickRow {
        const char* what;
        float x, y;
        int direction = 0, height = 0;  // DirectionEditOn and HeightEditOn after the click
    };
    const ClickRow clicks[] = {
        {"just right of the top view", 4321, 6240},
        {"just below the top view", 4320, 6241},
        {"just right of the projectile view", 4321, 1680},
        {"just above the projectile view", 300, 299},
        {"the top view's lower right corner", 4320, 6240, -1},
        {"the projectile view's upper left corner", 300, 300, -1, -1},
        {"the projectile view's lower right corner", 4320, 1680, -1},
        {"the top view's upper left corner", 360, 2280},
        {"halves round to even: (4320, 300)", 4320.5f, 299.5f, 0, -1},
        {"beyond 16 bits: the pointer stays at (4320, 300)", 40000, std::numeric_limits<float>::quiet_NaN()},
    };
    for (const ClickRow& c : clicks) {
        ClickAt(c.x, c.y);
        EXPECT_EQ(mouse.DirectionEditOn, c.direction) << c.what;
        EXPECT_EQ(mouse.HeightEditOn, c.height) << c.what;
    }
}

TEST_F(MouseEditingTest, TicksEditOnlyAnArmedViewWithThePointerInIt) {
    EXPECT_FALSE(TickAt(2280, 3000).Changed());
    ClickAt(2280, 3000);
    EXPECT_FALSE(TickAt(1000, 1000).Changed());  // the other view
    EXPECT_FALSE(TickAt(4321, 3000).Changed());  // just outside
    EXPECT_TRUE(TickAt(4320, 3000).DirectionEdited);
}

// Without a timing the lines follow the pointer, but no key frame or display changes.
TEST_F(MouseEditingTest, WithoutATimingOnlyTheLinesFollow) {
    ArmBoth();
    controls.timing = -1;
    controls.range = "3750000";
    for (float y : {3200.0f, 1000.0f}) {
        EXPECT_TRUE(TickAt(1280, y).Changed());
        EXPECT_EQ(controls.shown, "");
    }
    EXPECT_EQ(l.Line4.X2, 1280);
    EXPECT_EQ(Flight(preview), FlightOf(-1414, 1000));
    EXPECT_FALSE(arc.empty());
    EXPECT_EQ((Floats{l.Line1.X2, l.Line2.X2}), (Floats{3540, 1320}));  // the range lines stay
    for (const KeyFrame& k : stroke.KeyFrames)
        EXPECT_EQ((std::vector<double>{k.Direction, k.DirectionRange, k.Vertical}), std::vector<double>(3, 0));
}

// Line4 ends at the pointer, the flight is as long as Line4, the height stays, and the key frame
// of timing 2 ("Perfectly on time") takes the pointer's direction and the typed range (5 degrees).
TEST_F(MouseEditingTest, TheTopViewSetsTheDirection) {
    struct DirectionRow {
        const char* what;
        float x, y;
        double direction;
        int length;
        const char* range = "3750000";
    };
    const DirectionRow rows[] = {
        {"straight up: 0.08 degrees", 2280, 3000, 60000, 1200},
        {"an odd length: Line3 ends at a half twip", 2280, 3001, 60000, 1199},
        {"straight down: 179.97 degrees", 2280, 5000, 134977500, 800},
        {"left", 360, 4200, 67500000, -1920},
        {"right", 4200, 4200, 202500000, 1920},
        {"45 degrees left", 1280, 3200, 33750000, -1414},
        {"at rest: written again", 1280, 3200, 33750000, -1414},
        {"the angle times 180 in single precision: 36.25 degrees, not 36.24", 1868, 3638, 27187500, -697},
        {"the batsman's point: no angle, no flight", 2280, 4200, 0, 0},
        {"a range that is no number keeps the old one", 3280, 3200, 236250000, 1414, "abc"},
    };
    ArmBoth();
    controls.timing = 2;
    const float height = l.Line3.Y2;
    for (const DirectionRow& row : rows) {
        SCOPED_TRACE(row.what);
        controls.range = row.range;
        EXPECT_TRUE(TickAt(row.x, row.y).DirectionEdited);
        EXPECT_EQ(stroke.KeyFrames[2].Direction, row.direction);
        EXPECT_EQ(stroke.KeyFrames[2].DirectionRange, 3750000);
        const std::string text = std::to_string(static_cast<long>(row.direction));
        EXPECT_EQ(controls.shown, "Text2(2) " + text + ", Label3(2) " + text + ", ");
        EXPECT_EQ((Floats{l.Line4.X2, l.Line4.Y2}), (Floats{row.x, row.y}));
        EXPECT_EQ(Flight(preview), FlightOf(row.length, height));
        const double degrees = std::round(row.direction / 750000);
        ExpectEndAt(l.Line1, degrees + 5);
        ExpectEndAt(l.Line2, degrees - 5);
        EXPECT_EQ(arc.empty(), row.length == 0);
    }
}

// The apex follows the pointer, the key frame of timing 7 takes the Vertical whose apex is nearest
// (shown at `shownAt`), and the flight keeps its length.
TEST_F(MouseEditingTest, TheProjectileViewSetsTheHeight) {
    struct HeightRow {
        const char* what;
        float y;
        double vertical, shownAt;
    };
    const HeightRow rows[] = {
        {"on a height step", 320, 20000000, 320},
        {"between two steps", 720, 58095238, 719},
        {"the view's top", 300, 18095238, 299},
        {"the view's bottom: below 1540, no arc", 1680, 149523810, 1685},
    };
    ArmBoth();
    controls.timing = 7;
    TickAt(3280, 3200);
    for (const HeightRow& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_TRUE(TickAt(1000, row.y).HeightEdited);
        EXPECT_EQ(stroke.KeyFrames[7].Vertical, row.vertical);
        EXPECT_EQ(ApexY(row.vertical), row.shownAt);
        const std::string text = std::to_string(static_cast<long>(row.vertical));
        EXPECT_EQ(controls.shown, "Text2(1) " + text + ", Label3(1) " + text + ", ");
        EXPECT_EQ(Flight(preview), FlightOf(1414, row.y));
        EXPECT_EQ(arc.empty(), row.y == 1680);
    }
}

// Each other timing is sketched where the preview puts it when that timing is
// shown: its three top-view lines, the highest point and every point of its arc.
TEST(TimingSketch, OtherTimingsLieWhereShowingThemPlacesTheLines) {
    StrokeFile stroke;
    const double directions[] = {0, 67500000, 135000000, 1875000, 236250000, 33750000, -7500000};
    for (int k = 0; k < 7; ++k)
        stroke.KeyFrames[std::size_t(k)] = {0, (12 + 3 * k) * 1e6, directions[k], 750000.0 * k, 0, 0, ""};
    stroke.KeyFrames[5].KeyFrameTag = "3";
    stroke.KeyFrames[6].KeyFrameTag = "x";
    stroke.KeyFrames[4].Vertical = 137000000;  // the apex below the ground: no arc

    const std::vector<TimingSketch> sketches = OtherTimingSketches(stroke, 7, 2);
    std::vector<std::string> names;
    for (const TimingSketch& sketch : sketches) names.push_back(sketch.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"VL", "L", "E", "VE", "E6", "6?"}));
    for (const TimingSketch& sketch : sketches) {
        SCOPED_TRACE(sketch.Name);
        Preview preview;
        RecordingSurface surface;
        preview.PreviewKeyFrame(stroke, sketch.KeyFrameIndex, surface);
        surface.Clear();
        preview.DrawProjectileCurve(surface);
        const PreviewLines& l = preview.Lines;
        EXPECT_EQ(sketch.Direction, (PointF{l.Line4.X2, l.Line4.Y2}));
        EXPECT_EQ(sketch.RangeEdge1, (PointF{l.Line1.X2, l.Line1.Y2}));
        EXPECT_EQ(sketch.RangeEdge2, (PointF{l.Line2.X2, l.Line2.Y2}));
        EXPECT_EQ(sketch.Apex, (PointF{l.Line3.X2, l.Line3.Y2}));
        EXPECT_EQ(sketch.Arc, surface.drawn);
        EXPECT_EQ(sketch.Arc.empty(), sketch.KeyFrameIndex == 4);
    }
    EXPECT_EQ(OtherTimingSketches(stroke, 5, -1).size(), 5u);  // no timing shown: all of them
    EXPECT_EQ(OtherTimingSketches(stroke, 99, 0).size(), 9u);
}

// A range edge whose sum no double holds has no line; the rest stands.
TEST(TimingSketch, ValuesNoLineCanShowLeaveOutOnlyWhatTheyTouch) {
    StrokeFile stroke;
    stroke.KeyFrames[1] = {0, 1e300, 1.7e308, 1.7e308, 0, 0, ""};
    const TimingSketch sketch = SketchOfKeyFrame(stroke, 1);
    // Which of direction, range edges, apex and arc are there.
    EXPECT_EQ((std::vector<bool>{bool(sketch.Direction), bool(sketch.RangeEdge1), bool(sketch.RangeEdge2),
                                 bool(sketch.Apex), !sketch.Arc.empty()}),
              (std::vector<bool>{true, false, true, false, false}));
}

}  // namespace
}  // namespace orvik
