#include "core/stroke_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stroke_test_support.h"

namespace orvik {
namespace {

using testing::LoadedStroke;
using testing::WellFormedStroke;
using testing::WellFormedText;
using testing::Written;

// The lines of a written file; every line must end with CR LF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF at the end of the file";
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The lines after the key frame blocks of a file holding `sixHitCount` six-hit key frames.
std::vector<std::string> TrailingPart(const std::string& text, int sixHitCount) {
    const auto lines = Lines(text);
    const std::size_t blocksEnd = 14 + 6 * static_cast<std::size_t>(NormalKeyFrameCount + sixHitCount);
    if (lines.size() < blocksEnd) return {"(file too short)"};
    return {lines.begin() + static_cast<std::ptrdiff_t>(blocksEnd), lines.end()};
}

using L = std::vector<std::string>;

TEST(StrokeWriter, WritesTheGameFormatByteForByte) {
    EXPECT_EQ(Written(WellFormedStroke(), "Aggressive", 9), WellFormedText());

    // Type and bowler class come from the window, not from the record; empty
    // texts leave their keys with the trailing space.
    StrokeFile s = WellFormedStroke();
    s.Type = "ignored";
    s.BowlerTypes = 3;
    s.Faceing.clear();
    s.Reward.clear();
    s.Variation.clear();
    s.KeyFrames[0].Frame = -3;
    s.KeyFrames[0].Direction = 30;
    const auto lines = Lines(Written(s, "Defensive", 6));
    EXPECT_EQ(lines[2], "Type Defensive");
    EXPECT_EQ(lines[3], "Faceing ");
    EXPECT_EQ(lines[4], "Difficulty 3 Reward ");
    EXPECT_EQ(lines[8], "BowlerTypes 6");
    EXPECT_EQ(lines[12], "Name a-Cc031 Variation ");
    EXPECT_EQ(lines[15], " Frame -3");
    EXPECT_EQ(lines[17], " Direction 30 Range 7500000");
    EXPECT_EQ(lines[40], " Vertical 0.5");
}

TEST(StrokeWriter, WritesSixHitKeyFramesUpToTheFirstInvalidTag) {
    StrokeFile s = LoadedStroke();
    const char* tags[] = {"0", "1", "2", "3", "4"};
    for (int k = 5; k < KeyFrameCount; ++k) s.KeyFrames[static_cast<std::size_t>(k)].KeyFrameTag = tags[k - 5];
    // Five valid six-hit key frames and no trailing text: 14 + 30 + 30 lines, then three empty ones.
    const std::string full = Written(s);
    EXPECT_EQ(Lines(full).size(), 77U);
    EXPECT_EQ(TrailingPart(full, 5), (L{"", "", ""}));
    EXPECT_EQ(Lines(full)[44], "Mode 6Hit KeyFrame 0");

    s.KeyFrames[7].KeyFrameTag = "X";
    EXPECT_EQ(Lines(Written(s)).size(), 14U + 30 + 12 + 3);
    s.KeyFrames[5].KeyFrameTag = "";
    EXPECT_EQ(Written(s).find("6Hit"), std::string::npos);
    for (const char* invalid : {"00", " 0", "Very Late", "5"}) {
        s.KeyFrames[5].KeyFrameTag = invalid;
        EXPECT_EQ(Written(s).find("6Hit"), std::string::npos) << invalid;
    }
}

TEST(StrokeWriter, StopsTheTrailingLinesAfterFourEmptyEntriesWithNothingAfterThem) {
    StrokeFile s = LoadedStroke();
    s.TrailingLines.at(1) = "a";
    EXPECT_EQ(TrailingPart(Written(s), 0), (L{"a", "", "", "", ""}));
    s.TrailingLines.at(3) = "b";
    EXPECT_EQ(TrailingPart(Written(s), 0), (L{"a", "", "b", "", "", "", ""}));

    // Text after a run of four empty entries is written too, not dropped.
    s.TrailingLines.at(3).clear();
    s.TrailingLines.at(6) = "b";
    EXPECT_EQ(TrailingPart(Written(s), 0), (L{"a", "", "", "", "", "b", "", "", "", ""}));

    // The start-up "43" lines before index 1 keep the test from stopping before index 3.
    s.TrailingLines.at(1).clear();
    s.TrailingLines.at(6).clear();
    EXPECT_EQ(TrailingPart(Written(s), 0), (L{"", "", ""}));

    // A full set is written to index 65 and no further.
    for (int j = 1; j <= 65; ++j) s.TrailingLines.at(j) = "t" + std::to_string(j);
    const auto trailing = TrailingPart(Written(s), 0);
    ASSERT_EQ(trailing.size(), 65U);
    EXPECT_EQ(trailing.back(), "t65");
    s.TrailingLines.at(65).clear();
    EXPECT_EQ(TrailingPart(Written(s), 0).size(), 65U);
}

}  // namespace
}  // namespace orvik
