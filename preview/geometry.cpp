#include "preview/geometry.h"

#include <bit>
#include <cstdint>
#include <numbers>

#include "core/numbers.h"

namespace orvik {

namespace {

constexpr double TopViewLineLength = 1920;
constexpr double ReferenceY = 2760;  // 1440 twips straight above the batsman
constexpr double ReferenceDistance = BatsmanY - ReferenceY;

// arccos(C) is formed as arctan(-C / sqrt(1 - C*C)) + 2 arctan(1), which has
// no value at C = +-1; those two are moved just inside. The two replacements
// are not mirror images of each other.
constexpr float CosineJustBelowOne = 0.999999f;
constexpr float CosineJustAboveMinusOne = -0.9999999f;
static_assert(std::bit_cast<std::uint32_t>(CosineJustBelowOne) == 0x3F7FFFEFu);
static_assert(std::bit_cast<std::uint32_t>(CosineJustAboveMinusOne) == 0xBF7FFFFEu);

}  // namespace

PointF TopViewEndPoint(double v) {
    const double degrees = RoundHalfEven(DegreesForDirection(v));
    const double r = degrees * std::numbers::pi / 180;
    // y first, as the lines take their Y2 before their X2.
    const float y = ToSingle(BatsmanY - TopViewLineLength * std::cos(r));
    const float x = ToSingle(BatsmanX - TopViewLineLength * std::sin(r));
    return {x, y};
}

double ApexY(double vertical) {
    const double h = RoundHalfEven(HeightStepForVertical(vertical));
    return 320 + (h - 20) * 10.5;
}

std::vector<PointF> ProjectileCurvePoints(float line3X1, float line3Y2, float line5X2) {
    std::vector<PointF> points;
    ForEachProjectileCurvePoint(line3X1, line3Y2, line5X2, [&](PointF p) { points.push_back(p); });
    return points;
}

std::optional<float> AngleAtBatsman(float x, float y) {
    const double dx = BatsmanX - static_cast<double>(x);
    const double toBatsmanY = BatsmanY - static_cast<double>(y);
    const double toReferenceY = ReferenceY - static_cast<double>(y);
    const double a = std::sqrt(toBatsmanY * toBatsmanY + dx * dx);
    const double b = ReferenceDistance;
    const double c = std::sqrt(toReferenceY * toReferenceY + dx * dx);
    if (!(a > 0)) return std::nullopt;  // the batsman's point itself: no angle

    const double cosine = (a * a + b * b - c * c) / (2 * a * b);
    if (!FitsSingle(cosine)) return std::nullopt;
    float C = static_cast<float>(cosine);
    if (C == 1.0f)
        C = CosineJustBelowOne;
    else if (C == -1.0f)
        C = CosineJustAboveMinusOne;
    if (!(C > -1.0f && C < 1.0f)) return std::nullopt;  // beyond +-1 after the rounding

    const double cd = C;
    return static_cast<float>(std::atan(-cd / std::sqrt(1 - cd * cd)) + 2 * std::atan(1.0));
}

double DegreesForAngle(float angle) {
    const float times180 = angle * 180.0f;  // single precision
    return RoundHalfEven(static_cast<double>(times180) / std::numbers::pi, 2);
}

double VerticalForApexY(float apexY) {
    const double v = (static_cast<double>(apexY) - 320) / 10.5 + 20;
    return RoundHalfEven(HeightUnit * v);
}

}  // namespace orvik
