#pragma once
// The geometry of the two previews as pure functions. Coordinates are twips of
// the window's client area, y downwards; line coordinates are single precision.
#include <optional>
#include <vector>

namespace orvik {

struct PointF {
    float x;
    float y;
};

// The batsman's point, where the top view's lines start.
inline constexpr float BatsmanX = 2280;
inline constexpr float BatsmanY = 4200;

// End point of a top-view line for a value in the file's direction units
// (750000 per degree), rounded to whole degrees, radius 1920.
PointF TopViewEndPoint(double v);

// The y of the projectile's highest point for a Vertical value.
double ApexY(double vertical);

// The dotted flight arc for the projectile lines' geometry; empty where the arc
// cannot be formed (no width, or no height).
std::vector<PointF> ProjectileCurvePoints(float line3X1, float line3Y2, float line5X2);

// The angle in radians at the batsman's point between the point straight above
// it and (x, y); empty where the angle cannot be formed.
std::optional<float> AngleAtBatsman(float x, float y);

// The new Direction when Line4 ends at (x, y), taking the angle as 0 where it
// cannot be formed.
double DirectionForPointer(float x, float y);

// The new Vertical when the projectile's highest point is at y = apexY.
double VerticalForApexY(float apexY);

}  // namespace orvik
