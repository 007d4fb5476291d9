#include "core/stroke_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#include "stroke_test_support.h"

namespace orvik {
namespace {

using testing::Crlf;
using testing::LoadedStroke;
using testing::ReadText;
using testing::ReplaceOnce;
using testing::StrokeDump;
using testing::WellFormedStroke;
using testing::WellFormedText;

// A record full of values from an earlier file, to see which ones a read keeps.
StrokeFile EarlierStroke() {
    StrokeFile s = WellFormedStroke();
    for (auto& frame : s.KeyFrames) frame = {7, 1, 2, 3, 4, 5, "3"};
    s.TrailingLines.at(0) = "43";
    s.TrailingLines.at(30) = "old";
    return s;
}

TEST(StrokeReader, AWellFormedFileReadsExactly) {
    StrokeFile expected = WellFormedStroke();
    for (int k = 0; k < NormalKeyFrameCount; ++k) expected.KeyFrames[static_cast<std::size_t>(k)].KeyFrameTag = "3";
    for (int k = 7; k < KeyFrameCount; ++k) expected.KeyFrames[static_cast<std::size_t>(k)] = {7, 1, 2, 3, 4, 5, ""};
    // Six-hit key frames the file does not hold keep their numbers and lose their tags;
    // TrailingLines 0 to 65 are emptied, -10 to -1 are left alone.
    EXPECT_EQ(StrokeDump(ReadText(WellFormedText(), EarlierStroke())), StrokeDump(expected));

    // The first two lines are never looked at; lone LF and lone CR are line ends too.
    std::string otherStart = ReplaceOnce(WellFormedText(), "StrokeAttr\r\n\r\n", "Anything\r\nat all\r\n");
    EXPECT_EQ(StrokeDump(ReadText(otherStart)), StrokeDump(ReadText(WellFormedText())));
    std::string lf, cr;
    for (char c : WellFormedText()) {
        if (c != '\r') lf += c;
        if (c != '\n') cr += c;
    }
    EXPECT_EQ(StrokeDump(ReadText(lf)), StrokeDump(ReadText(WellFormedText())));
    EXPECT_EQ(StrokeDump(ReadText(cr)), StrokeDump(ReadText(WellFormedText())));
}

TEST(StrokeReader, AMissingOrEmptyFileEmptiesTheTextsCutFromTheEndAndKeepsTheRest) {
    StrokeFile expected = EarlierStroke();
    for (std::string* text : {&expected.Type, &expected.Faceing, &expected.Reward, &expected.Reward6,
                              &expected.Reward3, &expected.EdgeProb3, &expected.Variation})
        text->clear();
    for (int k = 5; k < KeyFrameCount; ++k) expected.KeyFrames[static_cast<std::size_t>(k)].KeyFrameTag.clear();
    for (int j = 0; j <= TrailingLineArray::Last; ++j) expected.TrailingLines.at(j).clear();

    std::ifstream missing("/nonexistent/orvik/a-Cc017c.atr");
    StrokeFile fromMissing = EarlierStroke();
    ReadStrokeFile(missing, fromMissing);
    EXPECT_EQ(StrokeDump(fromMissing), StrokeDump(expected));
    EXPECT_EQ(StrokeDump(ReadText("", EarlierStroke())), StrokeDump(expected));

    // A file that ends after the Faceing line reads the same but for Type and Faceing.
    expected.Type = "Moderate";
    expected.Faceing = "0";
    EXPECT_EQ(StrokeDump(ReadText(Crlf("StrokeAttr\n\nType Moderate\nFaceing 0\n"), EarlierStroke())),
              StrokeDump(expected));
}

TEST(StrokeReader, AFileEndingAfterTheNormalKeyFramesLeavesNoValidSixHitKeyFrame) {
    const std::string text = WellFormedText().substr(0, WellFormedText().find("Mode 6Hit"));
    const StrokeFile read = ReadText(text, EarlierStroke());
    for (int k = 5; k < KeyFrameCount; ++k) {
        EXPECT_EQ(read.KeyFrames[static_cast<std::size_t>(k)].KeyFrameTag, "") << k;
        EXPECT_EQ(read.KeyFrames[static_cast<std::size_t>(k)].Frame, 7) << k;
    }
    EXPECT_EQ(read.KeyFrames[4].PowerRange, 20);
    EXPECT_EQ(read.TrailingLines.at(1), "");
}

TEST(StrokeReader, HeaderLinesAreSplitAtTheirKeys) {
    const std::string& w = WellFormedText();
    StrokeFile s = ReadText(ReplaceOnce(w, "Difficulty 3 Reward 2", "Difficulty 5"), EarlierStroke());
    EXPECT_EQ(s.Difficulty, "3");  // no Reward: the difficulty keeps its value
    EXPECT_EQ(s.Reward, "");

    s = ReadText(ReplaceOnce(w, "EdgeProb 0.1 EdgeProb6 0.05 EdgeProb3 0.02", "EdgeProb 0.1 EdgeProb6 0.2 EdgeProb3 0.3"));
    EXPECT_EQ(s.EdgeProb + "|" + s.EdgeProb6 + "|" + s.EdgeProb3, "0.1|0.2|0.3");

    s = ReadText(ReplaceOnce(w, "Difficulty6 4 Reward6 5", "Difficulty6  Reward6 "), EarlierStroke());
    EXPECT_EQ(s.Difficulty6 + "|" + s.Reward6, "|");

    // Values that hold the key's letter (or its exponent "E") read back unchanged.
    std::string lettered = ReplaceOnce(w, "Difficulty 3 Reward 2", "Difficulty R1 Reward R2");
    lettered = ReplaceOnce(lettered, "Reward6 5", "Reward6 Rx");
    lettered = ReplaceOnce(lettered, "Reward3 0", "Reward3 RR");
    lettered = ReplaceOnce(lettered, "EdgeProb6 0.05 EdgeProb3 0.02", "EdgeProb6 1E-05 EdgeProb3 1E-05");
    lettered = ReplaceOnce(lettered, "Name a-Cc031 Variation 0", "Name V1 Variation V2");
    s = ReadText(lettered);
    EXPECT_EQ(s.Difficulty + "|" + s.Reward + "|" + s.Reward6 + "|" + s.Reward3, "R1|R2|Rx|RR");
    EXPECT_EQ(s.EdgeProb6 + "|" + s.EdgeProb3, "1E-05|1E-05");
    EXPECT_EQ(s.Name + "|" + s.Variation, "V1|V2");

    // A line without the whole key is split at the key's last letter.
    s = ReadText(ReplaceOnce(w, "Difficulty 3 Reward 2", "Difficulty 7 Rewardx 4"));
    EXPECT_EQ(s.Difficulty + "|" + s.Reward, "7| 4");
}

TEST(StrokeReader, NumbersRoundHalfToEvenAndFailedConversionsKeepTheOldValue) {
    const std::string& w = WellFormedText();
    StrokeFile s = ReadText(ReplaceOnce(ReplaceOnce(w, " Frame 10\r\n", " Frame 12.5\r\n"), " Frame 12\r\n", " Frame 13.5\r\n"));
    EXPECT_EQ(s.KeyFrames[0].Frame, 12);
    EXPECT_EQ(s.KeyFrames[1].Frame, 14);

    std::string bad = ReplaceOnce(w, " Frame 10\r\n", " Frame 40000\r\n");
    bad = ReplaceOnce(bad, "BowlerTypes 9", "BowlerTypes 40000");
    bad = ReplaceOnce(bad, " Vertical 25000000", " Vertical 1e400");
    bad = ReplaceOnce(bad, "StumpPosition 120", "StumpPosition x");
    s = ReadText(bad, EarlierStroke());
    EXPECT_EQ(s.KeyFrames[0].Frame, 7);
    EXPECT_EQ(s.BowlerTypes, 9);
    EXPECT_EQ(s.StumpPosition, 120);
    EXPECT_EQ(s.KeyFrames[1].Vertical, 1);

    s = ReadText(ReplaceOnce(ReplaceOnce(w, "Direction 30000000 Range 7500000", "Direction 30 Range 5"),
                             "Power 80 Range 10", "Power -1.5 Range 0.25"));
    EXPECT_EQ(s.KeyFrames[0].Direction, 30);
    EXPECT_EQ(s.KeyFrames[0].DirectionRange, 5);
    EXPECT_EQ(s.KeyFrames[0].Power, -1.5);
    EXPECT_EQ(s.KeyFrames[0].PowerRange, 0.25);
}

TEST(StrokeReader, SixHitBlocksAreReadOnlyWhereTheyAreThere) {
    const std::string& w = WellFormedText();
    // Any tag is read; validity is the window's and the writer's business.
    StrokeFile s = ReadText(ReplaceOnce(w, "Mode 6Hit KeyFrame 2", "Mode 6Hit KeyFrame X"), EarlierStroke());
    EXPECT_EQ(s.KeyFrames[5].KeyFrameTag, "X");
    EXPECT_EQ(s.KeyFrames[5].Frame, 20);
    EXPECT_EQ(s.KeyFrames[6].KeyFrameTag, "0");

    // Trailing text right after the last block is not taken for a six-hit key
    // frame, nor is a "Mode 6Hit KeyFrame" line without the empty line before it.
    s = ReadText(ReplaceOnce(w, "Range 6\r\n\r\n43\r\n", "Range 6\r\nMode 6Hit KeyFrame 1\r\n"), EarlierStroke());
    EXPECT_EQ(s.KeyFrames[7].KeyFrameTag, "");
    EXPECT_EQ(s.TrailingLines.at(1), "Mode 6Hit KeyFrame 1");
    EXPECT_EQ(s.TrailingLines.at(2), "note");
}

TEST(StrokeReader, TrailingFieldsFollowTheFieldRules) {
    const std::string blocksEnd = "Range 6\r\n\r\n";
    StrokeFile s = ReadText(ReplaceOnce(WellFormedText(), blocksEnd + "43\r\nnote", blocksEnd + "x, y\r\n   spaced"));
    EXPECT_EQ(s.TrailingLines.at(1), "x");
    EXPECT_EQ(s.TrailingLines.at(2), "y");
    EXPECT_EQ(s.TrailingLines.at(3), "spaced");

    // The empty line that closes the last block is not a trailing line; one more is.
    s = ReadText(ReplaceOnce(WellFormedText(), blocksEnd + "43", blocksEnd + "\r\n43"));
    EXPECT_EQ(s.TrailingLines.at(1), "");
    EXPECT_EQ(s.TrailingLines.at(2), "43");

    // Only 65 trailing fields are read; the rest of the file is not touched.
    std::string text = WellFormedText().substr(0, WellFormedText().find("43\r\nnote"));
    for (int j = 1; j <= 70; ++j) text += "t" + std::to_string(j) + "\r\n";
    std::istringstream in(text);
    s = LoadedStroke();
    ReadStrokeFile(in, s);
    EXPECT_EQ(s.TrailingLines.at(1), "t1");
    EXPECT_EQ(s.TrailingLines.at(65), "t65");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "t66\r\nt67\r\nt68\r\nt69\r\nt70\r\n");
}

// Whatever the bytes, the reader ends, leaves the start-up lines alone and
// does nothing undefined (the sanitizer build watches the last part).
TEST(StrokeReader, AnyBytesAreReadWithoutHarm) {
    const std::string& w = WellFormedText();
    for (std::size_t length = 0; length <= w.size(); ++length)
        EXPECT_EQ(ReadText(w.substr(0, length)).TrailingLines.at(-1), "43");

    std::mt19937 random(20240607);
    const char symbols[] = "RVE\" ,\r\n\r\n0123456789.-eE+ModeNrmal6HitKyFrame\0\xff";
    const std::string alphabet(symbols, sizeof symbols - 1);
    for (int round = 0; round < 400; ++round) {
        std::string text = round % 2 == 0 ? w : std::string();
        const int edits = static_cast<int>(random() % 40) + 1;
        for (int i = 0; i < edits; ++i) {
            const char c = alphabet[random() % alphabet.size()];
            const std::size_t at = text.empty() ? 0 : random() % text.size();
            if (random() % 2 == 0 || text.empty())
                text.insert(at, 1, c);
            else
                text[at] = c;
        }
        const StrokeFile s = ReadText(text);
        EXPECT_EQ(s.TrailingLines.at(-10), "43");
        EXPECT_EQ(s.TrailingLines.at(0), "");
    }
}

}  // namespace
}  // namespace orvik
