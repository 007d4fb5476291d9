#include "preview/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "core/numbers.h"

namespace orvik {
namespace {

void ExpectPoint(PointF p, float x, float y) {
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
}

TEST(Geometry, TopViewEndPointsGoRoundFromUpThroughLeft) {
    ExpectPoint(TopViewEndPoint(0), 2280, 2280);
    ExpectPoint(TopViewEndPoint(67500000), 360, 4200);   // 90 degrees: left
    ExpectPoint(TopViewEndPoint(135000000), 2280, 6120);  // 180: down
    ExpectPoint(TopViewEndPoint(202500000), 4200, 4200);  // 270: right
    ExpectPoint(TopViewEndPoint(270000000), 2280, 2280);  // 360: round again
    ExpectPoint(TopViewEndPoint(-67500000), 4200, 4200);
}

TEST(Geometry, TopViewRoundsToWholeDegreesHalfToEven) {
    auto same = [](PointF a, PointF b) { return a.x == b.x && a.y == b.y; };
    EXPECT_TRUE(same(TopViewEndPoint(1875000), TopViewEndPoint(1500000)));  // 2.5 -> 2
    EXPECT_TRUE(same(TopViewEndPoint(2625000), TopViewEndPoint(3000000)));  // 3.5 -> 4
    EXPECT_TRUE(same(TopViewEndPoint(-1875000), TopViewEndPoint(-1500000)));
    EXPECT_TRUE(same(TopViewEndPoint(375000), TopViewEndPoint(0)));  // 0.5 -> 0
    EXPECT_TRUE(same(TopViewEndPoint(-375000), TopViewEndPoint(0)));
    EXPECT_FALSE(same(TopViewEndPoint(375001), TopViewEndPoint(0)));
    // A sum that overflowed a double has no end point.
    EXPECT_THROW(TopViewEndPoint(std::numeric_limits<double>::infinity()), ConversionError);
}

TEST(Geometry, ApexYStepsTenAndAHalfTwipsPerRoundedHeightStep) {
    EXPECT_EQ(ApexY(0), 110);
    EXPECT_EQ(ApexY(20000000), 320);
    EXPECT_EQ(ApexY(100000000), 1160);
    EXPECT_EQ(ApexY(136000000), 1538);
    EXPECT_EQ(ApexY(136500000), 1538);  // 136.5 -> 136
    EXPECT_EQ(ApexY(137500000), 1559);  // 137.5 -> 138
    EXPECT_EQ(ApexY(137000000), 1548.5);
    EXPECT_EQ(ApexY(58095238), 719);
}

TEST(Geometry, ArcForAStraightStrokeAtHeightZero) {
    // Line3 from (2280, 1560) to (3240, 110), Line5 landing at 4200.
    const auto points = ProjectileCurvePoints(2280, 110, 4200);
    ASSERT_EQ(points.size(), 64u);
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].x, 2281 + 30 * static_cast<float>(i));
        EXPECT_LT(points[i].y, 1500);
    }
    EXPECT_NEAR(points.front().y, 1497.02, 0.005);
    EXPECT_NEAR(points.back().y, 1414.9, 0.05);
    EXPECT_EQ(points.back().x, 4171);
    const auto highest =
        std::min_element(points.begin(), points.end(), [](PointF a, PointF b) { return a.y < b.y; });
    EXPECT_EQ(highest->x, 3241);
    EXPECT_NEAR(highest->y, 70.0, 0.005);  // 40 twips above Line3's end
}

TEST(Geometry, FlatAndVanishingArcs) {
    const auto flat = ProjectileCurvePoints(2280, 1538, 4200);  // H = 2
    ASSERT_FALSE(flat.empty());
    for (PointF p : flat) {
        EXPECT_GE(p.y, 1498);
        EXPECT_LT(p.y, 1500);
    }
    EXPECT_TRUE(ProjectileCurvePoints(2280, 1540, 4200).empty());    // H = 0
    EXPECT_TRUE(ProjectileCurvePoints(2280, 1548.5, 4200).empty());  // H < 0
    EXPECT_TRUE(ProjectileCurvePoints(2280, 110, 2280).empty());     // W = 0
    // Arguments no preview line can hold neither hang nor plot off the scale.
    const float huge = std::numeric_limits<float>::max();
    EXPECT_TRUE(ProjectileCurvePoints(-huge, 110, huge).empty());
    EXPECT_LE(ProjectileCurvePoints(0, -1e30f, 1e30f).size(), 2185u);
    EXPECT_TRUE(ProjectileCurvePoints(2280, std::numeric_limits<float>::quiet_NaN(), 4200).empty());
}

// The full pointer table runs through the timer tick (mouse_editing_test.cpp).
TEST(Geometry, AnglesWithTheReplacedCosines) {
    EXPECT_EQ(DegreesForAngle(*AngleAtBatsman(2280, 3000)), 0.08);    // C = 1 exactly
    EXPECT_EQ(DegreesForAngle(*AngleAtBatsman(2280, 5000)), 179.97);  // C = -1 exactly
    EXPECT_FALSE(AngleAtBatsman(2280, 4200).has_value());             // the batsman's point
    EXPECT_EQ(DirectionForPointer(2280, 4200), 0);
    EXPECT_EQ(DirectionForPointer(3280, 3200), 236250000);  // right of the batsman: 360 - 45
}

}  // namespace
}  // namespace orvik
