#pragma once
// "Show all timings": the stroke's other timings drawn faintly under the shown
// one, each direction with its range in the top view and each flight arc in
// the side view, marked with the timing's short name. Each timing has a
// colour of its own; a six-hit timing shares its timing's colour with dashed
// lines. Painted between the previews' shapes and the shown timing's lines.
#include <QColor>
#include <QImage>
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

// Whether the overlay is on, and its picture: painted once into an image of
// its own whenever another timing changes or another one is shown, and drawn
// from there on every repaint, so that a tick of the mouse editing costs no
// more than the image's part it repaints.
class AllTimingsOverlay {
public:
    bool IsOn() const { return on_; }
    void SetOn(bool on);

    // On, and the picture does not show the timings other than `shown` as
    // they are (their values, their number, or which one is shown).
    bool IsStale(const StrokeFile& stroke, int timingCount, int shown) const;

    // Draws the part of the overlay within `exposed`, painting the picture
    // again first where it is stale.
    void Paint(QPainter& painter, const QRect& exposed, const StrokeFile& stroke, int timingCount, int shown,
               qreal devicePixelRatio);

private:
    bool on_ = false;
    // What the picture shows.
    std::array<KeyFrame, KeyFrameCount> keyFrames_{};
    int timingCount_ = -1;
    int shown_ = -1;
    QImage picture_;
};

}  // namespace orvik
