#pragma once
// The geometry of the two previews as pure functions. Coordinates are twips of
// the window's client area, y downwards; line coordinates are single precision.
#include <cmath>
#include <optional>
#include <vector>

#include "preview/single_precision.h"

namespace orvik {

struct PointF {
    float x;
    float y;
};

// The file's units: a million per height step of the side view, and three
// quarters of that per degree of the top view.
inline constexpr double HeightUnit = 1000000;
inline constexpr double DirectionPerHeightUnit = 0.75;
inline constexpr double DirectionUnit = DirectionPerHeightUnit * HeightUnit;

// A Direction in degrees as the top view turns it (0 up, growing to the left),
// before the preview rounds it to whole degrees.
inline double DegreesForDirection(double direction) { return direction / DirectionUnit; }

// A Vertical in the projectile view's height steps, before the preview rounds
// it to whole steps.
inline double HeightStepForVertical(double vertical) { return vertical / HeightUnit; }

// The batsman's point, where the top view's lines start.
inline constexpr float BatsmanX = 2280;
inline constexpr float BatsmanY = 4200;

// End point of a top-view line for a value in the file's direction units
// (750000 per degree), rounded to whole degrees, radius 1920. Throws
// ConversionError for a value that is not a finite number (a sum of two values
// that overflowed), as no line can end there.
PointF TopViewEndPoint(double v);

// The y of the projectile's highest point for a Vertical value.
double ApexY(double vertical);

// The dotted flight arc for the projectile lines' geometry; empty where the arc
// cannot be formed (no width, or no height).
std::vector<PointF> ProjectileCurvePoints(float line3X1, float line3Y2, float line5X2);

// The angle in radians at the batsman's point between the point straight above
// it and (x, y); empty where the angle cannot be formed.
std::optional<float> AngleAtBatsman(float x, float y);

// An angle at the batsman's point in degrees to two decimals, rounded half to
// even; the angle times 180 is taken in single precision first.
double DegreesForAngle(float angle);

// A Direction for an angle in degrees (0 up, 90 left). The three quarters are
// taken first, as the editor always has: DirectionUnit * degrees can differ
// from it in the last bit.
inline double DirectionForDegrees(double degrees) { return HeightUnit * (DirectionPerHeightUnit * degrees); }

// The new Vertical when the projectile's highest point is at y = apexY.
double VerticalForApexY(float apexY);

// The arc is sampled at most this far from its left end: no pair of lines the
// preview places is wider (Line3.X1 is fixed and Line5.X2 is a 16-bit number),
// and the bound keeps absurd arguments from sampling for ever.
inline constexpr double MaxProjectileCurveWidth = 65536;

// ProjectileCurvePoints without the list: calls visit(PointF) for each point in
// order, so that the passes that plot the arc on every timer tick allocate
// nothing.
template <class Visit>
void ForEachProjectileCurvePoint(float line3X1, float line3Y2, float line5X2, Visit&& visit) {
    const float x0 = line3X1 < line5X2 ? line3X1 : line5X2;
    const double height = 1540.0 - static_cast<double>(line3Y2);
    const double width = std::fabs(static_cast<double>(line3X1) - static_cast<double>(line5X2));
    // A height or width that a single cannot hold leaves no arc, as do a flat
    // or negative height and a zero width: the launch angle, the speed or the
    // height cannot be formed then.
    if (!FitsSingle(height) || !FitsSingle(width)) return;
    const double h = static_cast<float>(height);
    const double w = static_cast<float>(width);
    if (!(h > 0) || !(w > 0)) return;

    const double theta = std::atan(4 * h / w);
    const double sinTheta = std::sin(theta);
    const double cosTheta = std::cos(theta);
    const double tanTheta = std::tan(theta);
    const double v0 = std::sqrt(2 * 10 * h / (sinTheta * sinTheta));
    const double end = static_cast<double>(x0) + w;
    // Past the landing point (x > w) the parabola lies below the base line and
    // gives no point, so the samples stop there.
    for (double x = 1; x < end && x <= w && x <= MaxProjectileCurveWidth; x += 30) {
        const double y = x * tanTheta - 10 * x * x / (2 * v0 * v0 * cosTheta * cosTheta);
        if (!(y > 0)) continue;
        const double px = static_cast<double>(x0) + x;
        const double py = 1500 - y;
        if (FitsSingle(px) && FitsSingle(py)) visit(PointF{static_cast<float>(px), static_cast<float>(py)});
    }
}

}  // namespace orvik
