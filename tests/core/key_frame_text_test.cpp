#include "core/key_frame_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/stroke_writer.h"

namespace orvik {
namespace {

KeyFrame Sample() { return {-3, 12345678.5, 236250000, 3750000, 1e15, 0.0001, "2"}; }

void ExpectValuesOf(const KeyFrame& read, const KeyFrame& expected) {
    EXPECT_EQ(read.Frame, expected.Frame);
    EXPECT_EQ(read.Vertical, expected.Vertical);
    EXPECT_EQ(read.Direction, expected.Direction);
    EXPECT_EQ(read.DirectionRange, expected.DirectionRange);
    EXPECT_EQ(read.Power, expected.Power);
    EXPECT_EQ(read.PowerRange, expected.PowerRange);
    EXPECT_EQ(read.KeyFrameTag, "");  // a tag is never carried
}

TEST(KeyFrameText, IsTheFilesOwnFourLinesAndReadsBack) {
    const std::string text = KeyFrameText(Sample());
    EXPECT_EQ(text, " Frame -3\n Vertical 12345678.5\n Direction 236250000 Range 3750000\n Power 1E+15 Range 0.0001\n");
    const Result<KeyFrame> read = ReadKeyFrameText(text);
    ASSERT_TRUE(read) << read.Why();
    ExpectValuesOf(*read, Sample());
}

// A six-hit block selected in a text editor from its Mode line to the empty
// line after it, CR LF as the writer ends lines.
TEST(KeyFrameText, ABlockCopiedOutOfAStrokeFileReadsBack) {
    StrokeFile stroke = StartStroke();
    stroke.KeyFrames[5] = Sample();
    const std::string file = StrokeFileText(stroke, "Defensive", 6);
    const std::size_t start = file.find("Mode 6Hit KeyFrame 2");
    ASSERT_NE(start, std::string::npos);
    const std::string block = file.substr(start, file.find("\r\n\r\n", start) + 4 - start);
    const Result<KeyFrame> read = ReadKeyFrameText(block);
    ASSERT_TRUE(read) << read.Why();
    ExpectValuesOf(*read, Sample());

    // Lone CR line ends, tabs and a blank line before are fine too; a Frame
    // of 12.5 reads as the reader reads it.
    const Result<KeyFrame> loose =
        ReadKeyFrameText("\r\t\rFrame\t12.5\rVertical 0\r  Direction 1 Range 2 \rPower -1.5 Range 0.25");
    ASSERT_TRUE(loose) << loose.Why();
    EXPECT_EQ(loose->Frame, 12);
    EXPECT_EQ(loose->PowerRange, 0.25);
}

TEST(KeyFrameText, AnythingElseIsRefusedSayingWhatWasExpected) {
    const std::string lines = KeyFrameText(Sample());
    const std::pair<std::string, std::string> refused[] = {
        {"", "The text is empty."},
        {"Orvik", "Line 1 should hold \"Frame\" and a whole number from -32768 to 32767, but holds \"Orvik\"."},
        {" Frame 40000\n",
         "Line 1 should hold \"Frame\" and a whole number from -32768 to 32767, but holds \"Frame 40000\"."},
        {"Mode Normal KeyFrame 0\n\n Frame 1",
         "Line 2 should hold \"Frame\" and a whole number from -32768 to 32767, "
         "but holds an empty line."},
        {" Frame 1\n Vertical 2\n",
         "The text ends where \"Direction\", a number, \"Range\" and a number should follow."},
        {" Frame 1\n Vertical 2\n Power 9,5 Range 15\n",
         "Line 3 should hold \"Direction\", a number, \"Range\" and a number, but holds \"Power 9,5 Range 15\"."},
        {" Frame 1\n Vertical 1e400\n", "Line 2 should hold \"Vertical\" and a number, but holds \"Vertical 1e400\"."},
        // Words past the line's last number, and another line's key words
        // with numbers of the right kind.
        {" Frame 1 2\n",
         "Line 1 should hold \"Frame\" and a whole number from -32768 to 32767, but holds \"Frame 1 2\"."},
        {" Frame 1\n Vertical 2\n Direction 3 Range 4\n Power 5 Range 6 Range 7\n",
         "Line 4 should hold \"Power\", a number, \"Range\" and a number, but holds \"Power 5 Range 6 Range 7\"."},
        {" Vertical 2\n",
         "Line 1 should hold \"Frame\" and a whole number from -32768 to 32767, but holds \"Vertical 2\"."},
        {" Frame 1\n Vertical 2\n Direction 3 Power 4\n",
         "Line 3 should hold \"Direction\", a number, \"Range\" and a number, but holds \"Direction 3 Power 4\"."},
        {lines + "\n" + lines,
         "Line 6 should hold nothing after the Power line of one key frame, but holds \"Frame -3\"."},
        {"Frame " + std::string(60, '7'), "but holds \"Frame " + std::string(54, '7') + "...\"."},
    };
    for (const auto& [text, problem] : refused) {
        const Result<KeyFrame> read = ReadKeyFrameText(text);
        ASSERT_FALSE(read) << text;
        EXPECT_NE(read.Why().find(problem), std::string::npos) << read.Why();
    }
}

}  // namespace
}  // namespace orvik
