#pragma once
// "Show all timings": the stroke's other timings drawn faintly under the shown
// one, each direction with its range in the top view and each flight arc in
// the side view, marked with the timing's short name. Each timing has a
// colour of its own; a six-hit timing shares its timing's colour with dashed
// lines. Painted between the previews' shapes and the shown timing's lines.
#include <QColor>
#include <QRect>
#include <array>
#include <vector>

#include "core/stroke_file.h"

#include "preview/timing_sketch.h"

class QPainter;

namespace orvik {

// The colour of a timing's sketch, before it is made faint.
QColor SketchColour(const TimingSketch& sketch);

void PaintAllTimingsOverlay(QPainter& painter, const std::vector<TimingSketch>& sketches);

// The part of the window the overlay may paint on: both previews with room
// for the names around them.
QRect AllTimingsOverlayRect();

// Whether the overlay is on, and which timings it last showed, so that the
// window repaints the whole overlay only when another timing changed or
// another one is shown, not on every tick of the mouse editing.
class AllTimingsOverlay {
public:
    bool IsOn() const { return on_; }
    void SetOn(bool on);

    // On, and the timings other than `shown` are not those of the last call
    // (their values, their number, or which one is shown).
    bool OthersChanged(const StrokeFile& stroke, int timingCount, int shown);

    // Paints the sketches of the timings other than `shown`.
    void Paint(QPainter& painter, const StrokeFile& stroke, int timingCount, int shown) const;

private:
    bool on_ = false;
    std::array<KeyFrame, KeyFrameCount> others_{};
    int timingCount_ = -1;
    int shown_ = -1;
};

}  // namespace orvik
