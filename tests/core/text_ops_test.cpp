#include "core/text_ops.h"

#include <gtest/gtest.h>

namespace orvik::text {
namespace {

TEST(TextOps, FromAndHeadCountFromOneAndFailBelowTheirLimits) {
    EXPECT_EQ(From("Faceing 1", 9), "1");
    EXPECT_EQ(From("Faceing ", 9), "");
    EXPECT_EQ(From("5", 7), "");
    EXPECT_EQ(From("abc", 1), "abc");
    EXPECT_THROW(From("abc", 0), std::out_of_range);
    EXPECT_EQ(Head("5 Reward 3", 1), "5");
    EXPECT_EQ(Head("abc", 0), "");
    EXPECT_EQ(Head("abc", 99), "abc");
    EXPECT_THROW(Head("abc", -1), std::out_of_range);
    EXPECT_THROW(Head("", -2), std::out_of_range);
}

TEST(TextOps, LastKeyFindsTheWholeKeyAndFallsBackToItsLetter) {
    EXPECT_EQ(Last("5 Reward 3", "R"), 3);
    EXPECT_EQ(Last("abc", "R"), 0);
    EXPECT_EQ(Last("0.1 EdgeProb6 0.2", "EdgeProb6"), 5);
    EXPECT_EQ(LastKey("5 Reward 3", " Reward "), 3);
    EXPECT_EQ(LastKey("5 Reward R2", " Reward "), 3);  // the letter in the value is not a key
    EXPECT_EQ(LastKey(" Reward 3", " Reward "), 2);
    EXPECT_EQ(LastKey("7 Rewardx 4", " Reward "), 3);  // no whole key: the last "R"
    EXPECT_EQ(LastKey("5R", " Reward "), 2);
    EXPECT_EQ(LastKey("5", " Reward "), 0);
}

}  // namespace
}  // namespace orvik::text
