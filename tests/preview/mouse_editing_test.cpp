#include "preview/mouse_editing.h"

#include <gtest/gtest.h>

#include <limits>

#include "fakes.h"
#include "preview/geometry.h"

namespace orvik {
namespace {

using testing::FakeControls;
using testing::RecordingSurface;

// A loaded straight stroke with its preview placed, and the window's pieces.
struct Editor {
    StrokeFile stroke;
    Preview preview;
    MouseEditing mouse;
    FakeControls controls;
    RecordingSurface surface;

    Editor() {
        preview.PreviewKeyFrame(stroke, 0, surface);
        surface.Clear();
    }
    void PointAndClick(float x, float y) {
        mouse.MouseMove(x, y);
        mouse.Click();
    }
    TickResult TickAt(float x, float y) {
        mouse.MouseMove(x, y);
        return mouse.Tick(stroke, preview, controls, surface);
    }
};

TEST(MouseEditing, MouseMoveRoundsHalfToEvenAndKeepsTheOldValueOnOverflow) {
    MouseEditing mouse;
    mouse.MouseMove(100.5f, 101.5f);
    EXPECT_EQ(mouse.MouseX, 100);
    EXPECT_EQ(mouse.MouseY, 102);
    mouse.MouseMove(-0.5f, 40000);
    EXPECT_EQ(mouse.MouseX, 0);
    EXPECT_EQ(mouse.MouseY, 102);
    mouse.MouseMove(std::numeric_limits<float>::quiet_NaN(), 32767.4f);
    EXPECT_EQ(mouse.MouseX, 0);
    EXPECT_EQ(mouse.MouseY, 32767);
}

TEST(MouseEditing, ClicksToggleTheViewTheyHitBoundsIncluded) {
    MouseEditing mouse;
    auto clickAt = [&](float x, float y) {
        mouse.MouseMove(x, y);
        mouse.Click();
    };
    clickAt(4321, 6240);
    clickAt(4320, 6241);
    clickAt(4000, 2000);  // between the two views
    EXPECT_EQ(mouse.DirectionEditOn, 0);
    EXPECT_EQ(mouse.HeightEditOn, 0);
    clickAt(4320, 6240);
    EXPECT_EQ(mouse.DirectionEditOn, -1);
    clickAt(300, 300);  // arms the other view as well
    EXPECT_EQ(mouse.HeightEditOn, -1);
    EXPECT_EQ(mouse.DirectionEditOn, -1);
    clickAt(4320, 1680);  // a second click disarms
    EXPECT_EQ(mouse.HeightEditOn, 0);
    clickAt(360, 2280);
    EXPECT_EQ(mouse.DirectionEditOn, 0);
    mouse.DirectionEditOn = 5;  // anything else than 0 becomes 0
    clickAt(360, 2280);
    EXPECT_EQ(mouse.DirectionEditOn, 0);
}

TEST(MouseEditing, IdleTicksTouchNothing) {
    Editor editor;
    const PreviewLines before = editor.preview.Lines;
    EXPECT_FALSE(editor.TickAt(1000, 3000).Changed());  // nothing armed
    editor.PointAndClick(1000, 3000);                    // arm the direction
    EXPECT_FALSE(editor.TickAt(1000, 1000).Changed());  // pointer in the other view
    EXPECT_FALSE(editor.TickAt(4321, 3000).Changed());  // pointer just outside
    EXPECT_TRUE(editor.surface.Untouched());
    EXPECT_EQ(editor.controls.reads + editor.controls.writes, 0);
    EXPECT_EQ(editor.preview.Lines.Line4.X2, before.Line4.X2);
    EXPECT_EQ(editor.preview.Lines.Line3.Y2, before.Line3.Y2);
}

TEST(MouseEditing, DirectionTicksStoreThePointersAngle) {
    struct Row {
        float x, y;
        double direction;
        const char* text;
    };
    const Row rows[] = {
        {2280, 3000, 60000, "60000"},         {2280, 5000, 134977500, "134977500"},
        {360, 4200, 67500000, "67500000"},    {4200, 4200, 202500000, "202500000"},
        {1280, 3200, 33750000, "33750000"},   {3280, 3200, 236250000, "236250000"},
        {2280, 4200, 0, "0"},  // follows a 315 degree tick: the angle starts at 0 again
    };
    Editor editor;
    editor.controls.timingIndex = 2;
    editor.PointAndClick(2280, 3000);
    for (const Row& row : rows) {
        const TickResult result = editor.TickAt(row.x, row.y);
        EXPECT_TRUE(result.DirectionEdited);
        EXPECT_FALSE(result.HeightEdited);
        const KeyFrame& keyFrame = editor.stroke.KeyFrames[2];
        EXPECT_EQ(keyFrame.Direction, row.direction) << row.x << ", " << row.y;
        EXPECT_EQ(editor.controls.directionText, row.text);
        EXPECT_EQ(editor.controls.directionCaption, row.text);
        EXPECT_EQ(editor.preview.Lines.Line4.X2, row.x);
        EXPECT_EQ(editor.preview.Lines.Line4.Y2, row.y);
    }
    // On the batsman's point the flight has no length and no arc.
    EXPECT_EQ(editor.preview.StrokeLength, 0);
    EXPECT_EQ(editor.preview.Lines.Line5.X2, 2280);
    EXPECT_EQ(editor.stroke.KeyFrames[0].Direction, 0);  // other key frames untouched
}

TEST(MouseEditing, DirectionTickMovesTheFlightAndTheRangeLines) {
    Editor editor;
    editor.controls.rangeText = "3750000";  // 5 degrees
    editor.PointAndClick(360, 4200);
    editor.surface.Clear();
    editor.TickAt(360, 4200);  // 90 degrees, 1920 to the left

    const PreviewLines& lines = editor.preview.Lines;
    EXPECT_EQ(editor.preview.StrokeLength, -1920);
    EXPECT_EQ(lines.Line5.X2, 360);
    EXPECT_EQ(lines.Line3.Y2, 110);  // the height stays
    EXPECT_EQ(editor.stroke.KeyFrames[0].DirectionRange, 3750000);
    const PointF edge1 = TopViewEndPoint(67500000 + 3750000.0);
    const PointF edge2 = TopViewEndPoint(67500000 - 3750000.0);
    EXPECT_EQ(lines.Line1.X2, edge1.x);
    EXPECT_EQ(lines.Line1.Y2, edge1.y);
    EXPECT_EQ(lines.Line2.X2, edge2.x);
    EXPECT_EQ(lines.Line2.Y2, edge2.y);
    // One erase of the old arc, one draw of the new one.
    EXPECT_EQ(editor.surface.penWidths, (std::vector<int>{8, 1, 1}));
    EXPECT_EQ(editor.surface.Erased().front().x, 2281);
    EXPECT_EQ(editor.surface.Drawn().front().x, 361);

    // A range that does not convert keeps the old one for the range lines.
    editor.controls.rangeText = "abc";
    editor.TickAt(2280, 3000);
    EXPECT_EQ(editor.stroke.KeyFrames[0].DirectionRange, 3750000);
    EXPECT_EQ(lines.Line1.X2, TopViewEndPoint(60000 + 3750000.0).x);

    // At rest, every tick rewrites the same values.
    const int writes = editor.controls.writes;
    editor.TickAt(2280, 3000);
    EXPECT_EQ(editor.controls.writes, writes + 2);
    EXPECT_EQ(editor.stroke.KeyFrames[0].Direction, 60000);
}

TEST(MouseEditing, HeightTicksStoreTheInverseOfTheApex) {
    Editor editor;
    editor.controls.timingIndex = 7;
    editor.PointAndClick(1000, 1000);
    struct Row {
        float y;
        double vertical;
        const char* text;
    };
    for (const Row& row : {Row{320, 20000000, "20000000"}, Row{720, 58095238, "58095238"},
                           Row{300, 18095238, "18095238"}, Row{1680, 149523810, "149523810"}}) {
        editor.surface.Clear();
        const TickResult result = editor.TickAt(1000, row.y);
        EXPECT_TRUE(result.HeightEdited);
        EXPECT_FALSE(result.DirectionEdited);
        EXPECT_EQ(editor.stroke.KeyFrames[7].Vertical, row.vertical);
        EXPECT_EQ(editor.controls.verticalText, row.text);
        EXPECT_EQ(editor.controls.verticalCaption, row.text);
        EXPECT_EQ(editor.preview.Lines.Line3.Y2, row.y);
        EXPECT_EQ(editor.preview.Lines.Line5.Y1, row.y);
        EXPECT_EQ(editor.preview.StrokeLength, 1920);  // the flight's length stays
        EXPECT_EQ(editor.surface.penWidths, (std::vector<int>{8, 1, 1}));
    }
    EXPECT_TRUE(editor.surface.Drawn().empty());  // below the ground at 1680: no arc
    EXPECT_EQ(ApexY(58095238), 719);
}

TEST(MouseEditing, WithoutATimingTheLinesFollowButNoKeyFrameOrDisplayChanges) {
    Editor editor;
    editor.controls.timingIndex = -1;
    editor.controls.rangeText = "3750000";
    editor.PointAndClick(1280, 3200);
    const StrokeFile before = editor.stroke;
    const PreviewLines linesBefore = editor.preview.Lines;
    editor.TickAt(1280, 3200);
    editor.PointAndClick(1000, 1000);
    editor.TickAt(1000, 1000);

    const PreviewLines& lines = editor.preview.Lines;
    EXPECT_EQ(lines.Line4.X2, 1280);
    EXPECT_EQ(lines.Line3.Y2, 1000);
    EXPECT_EQ(editor.preview.StrokeLength, -1414);
    EXPECT_FALSE(editor.surface.Drawn().empty());
    EXPECT_EQ(lines.Line1.X2, linesBefore.Line1.X2);  // the range lines stay
    EXPECT_EQ(lines.Line2.Y2, linesBefore.Line2.Y2);
    for (int k = 0; k < KeyFrameCount; ++k) {
        EXPECT_EQ(editor.stroke.KeyFrames[k].Direction, before.KeyFrames[k].Direction);
        EXPECT_EQ(editor.stroke.KeyFrames[k].DirectionRange, before.KeyFrames[k].DirectionRange);
        EXPECT_EQ(editor.stroke.KeyFrames[k].Vertical, before.KeyFrames[k].Vertical);
    }
    EXPECT_EQ(editor.controls.writes, 0);
    EXPECT_EQ(editor.controls.directionText, "Text2");
    EXPECT_EQ(editor.controls.verticalText, "Text2");
}

TEST(MouseEditing, EachStepReadsTheTimingAnew) {
    Editor editor;
    editor.stroke.KeyFrames[1].Direction = 123;
    editor.PointAndClick(1280, 3200);
    // Direction into 0, Text2(2) from 1, Label3(2) fails, range into 0,
    // Line1 from 0, Line2 from 1.
    editor.controls.timingIndexSequence = {0, 1, -1, 0, 0, 1};
    editor.controls.rangeText = "750000";
    editor.TickAt(1280, 3200);
    EXPECT_EQ(editor.stroke.KeyFrames[0].Direction, 33750000);
    EXPECT_EQ(editor.controls.directionText, "123");
    EXPECT_EQ(editor.controls.directionCaption, "");
    EXPECT_EQ(editor.preview.Lines.Line1.X2, TopViewEndPoint(33750000 + 750000.0).x);
    EXPECT_EQ(editor.preview.Lines.Line2.X2, TopViewEndPoint(123).x);
    EXPECT_TRUE(editor.controls.timingIndexSequence.empty());
}

}  // namespace
}  // namespace orvik
