#include "preview/mouse_editing.h"

#include "core/numbers.h"
#include "core/resume_next.h"
#include "preview/geometry.h"

namespace orvik {

namespace {

std::int16_t Toggled(std::int16_t editOn) { return editOn == 0 ? std::int16_t{-1} : std::int16_t{0}; }

// The direction block of the tick: Line4 follows the pointer, the flight's
// length follows Line4, and the key frame takes the pointer's angle. Each
// statement stands alone; k is read anew wherever it is named.
void EditDirection(std::int16_t mouseX, std::int16_t mouseY, StrokeFile& stroke, Preview& preview,
                   EditorControls& controls, DrawingSurface& surface) {
    PreviewLines& lines = preview.Lines;
    float angle = 0;  // the tick's own values start at 0
    double degrees = 0;
    ResumeNext([&] {
        lines.Line4.X2 = mouseX;
        lines.Line4.Y2 = mouseY;
    });
    preview.EraseProjectileCurve(surface);
    preview.PlaceProjectileLines(std::nullopt);  // the height stays
    preview.DrawProjectileCurve(surface);
    // On the batsman's point there is no angle: the tick's angle stays 0.
    ResumeNext([&] {
        if (const std::optional<float> atBatsman = AngleAtBatsman(lines.Line4.X2, lines.Line4.Y2)) angle = *atBatsman;
    });
    ResumeNext([&] { degrees = DegreesForAngle(angle); });
    ResumeNext([&] {
        if (lines.Line4.X2 > lines.Line4.X1) degrees = 360 - degrees;
    });
    ResumeNext([&] { KeyFrameAt(stroke, controls.TimingIndex()).Direction = DirectionForDegrees(degrees); });
    ResumeNext([&] { controls.SetDirectionText(NumberText(KeyFrameAt(stroke, controls.TimingIndex()).Direction)); });
    ResumeNext([&] { controls.SetDirectionCaption(NumberText(KeyFrameAt(stroke, controls.TimingIndex()).Direction)); });
    // A range typed into Text2(6) takes effect here at once.
    ResumeNext([&] {
        KeyFrameAt(stroke, controls.TimingIndex()).DirectionRange = DblFromText(controls.DirectionRangeText());
    });
    ResumeNext([&] {
        const KeyFrame& keyFrame = KeyFrameAt(stroke, controls.TimingIndex());
        MoveEnd(lines.Line1, TopViewEndPoint(keyFrame.Direction + keyFrame.DirectionRange));
    });
    ResumeNext([&] {
        const KeyFrame& keyFrame = KeyFrameAt(stroke, controls.TimingIndex());
        MoveEnd(lines.Line2, TopViewEndPoint(keyFrame.Direction - keyFrame.DirectionRange));
    });
}

// The height block of the tick: the highest point moves to the pointer's
// height and the key frame takes the matching Vertical.
void EditHeight(std::int16_t mouseY, StrokeFile& stroke, Preview& preview, EditorControls& controls,
                DrawingSurface& surface) {
    const PreviewLines& lines = preview.Lines;
    preview.EraseProjectileCurve(surface);
    preview.PlaceProjectileLines(static_cast<double>(mouseY));
    ResumeNext([&] { KeyFrameAt(stroke, controls.TimingIndex()).Vertical = VerticalForApexY(lines.Line3.Y2); });
    ResumeNext([&] { controls.SetVerticalText(NumberText(KeyFrameAt(stroke, controls.TimingIndex()).Vertical)); });
    ResumeNext([&] { controls.SetVerticalCaption(NumberText(KeyFrameAt(stroke, controls.TimingIndex()).Vertical)); });
    preview.DrawProjectileCurve(surface);
}

}  // namespace

void MouseEditing::MouseMove(float x, float y) {
    // A position beyond 16 bits leaves the old value.
    ResumeNext([&] { MouseX = ToInt16(x); });
    ResumeNext([&] { MouseY = ToInt16(y); });
}

void MouseEditing::Click() {
    // Both tests on every click; the rectangles do not overlap.
    if (TopViewRect.Contains(MouseX, MouseY)) DirectionEditOn = Toggled(DirectionEditOn);
    if (ProjectileViewRect.Contains(MouseX, MouseY)) HeightEditOn = Toggled(HeightEditOn);
}

TickResult MouseEditing::Tick(StrokeFile& stroke, Preview& preview, EditorControls& controls, DrawingSurface& surface) {
    TickResult result;
    if (DirectionEditOn != 0 && TopViewRect.Contains(MouseX, MouseY)) {
        EditDirection(MouseX, MouseY, stroke, preview, controls, surface);
        result.DirectionEdited = true;
    }
    if (HeightEditOn != 0 && ProjectileViewRect.Contains(MouseX, MouseY)) {
        EditHeight(MouseY, stroke, preview, controls, surface);
        result.HeightEdited = true;
    }
    return result;
}

}  // namespace orvik
