#include "core/key_frame_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/stroke_writer.h"

namespace orvik {
namespace {

KeyFrame Sample() { return {-3, 12345678.5, 236250000, 3750000, 1e15, 0.0001, "2"}; }

// A key frame read back: its values as the file writes them, and no tag, which is never carried.
std::string ReadBack(const std::string& text) {
    const Result<KeyFrame> read = ReadKeyFrameText(text);
    return read ? KeyFrameText(*read) + "tag \"" + read->KeyFrameTag + "\"" : "refused: " + read.Why();
}
const std::string SampleReadBack = KeyFrameText(Sample()) + "tag \"\"";

TEST(KeyFrameText, IsTheFilesOwnFourLinesAndReadsBack) {
    const std::string text = KeyFrameText(Sample());
    EXPECT_EQ(text, " Frame -3\n Vertical 12345678.5\n Direction 236250000 Range 3750000\n Power 1E+15 Range 0.0001\n");
    EXPECT_EQ(ReadBack(text), SampleReadBack);
}

// A six-hit block selected in a text editor from its Mode line to the empty
// line after it, CR LF as the writer ends lines.
TEST(KeyFrameText, ABlockCopiedOutOfAStrokeFileReadsBack) {
    StrokeFile stroke = StartStroke();
    stroke.KeyFrames[5] = Sample();
    const std::string file = StrokeFileText(stroke, "Defensive", 6);
    const std::size_t start = file.find("Mode 6Hit KeyFrame 2");
    ASSERT_NE(start, std::string::npos);
    EXPECT_EQ(ReadBack(file.substr(start, file.find("\r\n\r\n", start) + 4 - start)), SampleReadBack);

    // Lone CR line ends, tabs and a blank line before are fine too; a Frame
    // of 12.5 reads as the reader reads it.
    EXPECT_EQ(ReadBack("\r\t\rFrame\t12.5\rVertical 0\r  Direction 1 Range 2 \rPower -1.5 Range 0.25"),
              " Frame 12\n Vertical 0\n Direction 1 Range 2\n Power -1.5 Range 0.25\ntag \"\"");
}

TEST(KeyFrameText, AnythingElseIsRefusedSayingWhatWasExpected) {
    const std::string lines = KeyFrameText(Sample());
    const auto frame = [](const std::string& holds) {
        return "Line 1 should hold \"Frame\" and a whole number from -32768 to 32767, but holds \"" + holds + "\".";
    };
    const std::string fourNumbers = "\", a number, \"Range\" and a number";
    const std::pair<std::string, std::string> refused[] = {
        {"", "The text is empty."},
        {"Orvik", frame("Orvik")},
        {" Frame 40000\n", frame("Frame 40000")},
        {"Mode Normal KeyFrame 0\n\n Frame 1",
         "Line 2 should hold \"Frame\" and a whole number from -32768 to 32767, but holds an empty line."},
        {" Frame 1\n Vertical 2\n", "The text ends where \"Direction" + fourNumbers + " should follow."},
        {" Frame 1\n Vertical 2\n Power 9,5 Range 15\n",
         "Line 3 should hold \"Direction" + fourNumbers + ", but holds \"Power 9,5 Range 15\"."},
        {" Frame 1\n Vertical 1e400\n", "Line 2 should hold \"Vertical\" and a number, but holds \"Vertical 1e400\"."},
        // Words past the line's last number, and another line's key words
        // with numbers of the right kind.
        {" Frame 1 2\n", frame("Frame 1 2")},
        {" Frame 1\n Vertical 2\n Direction 3 Range 4\n Power 5 Range 6 Range 7\n",
         "Line 4 should hold \"Power" + fourNumbers + ", but holds \"Power 5 Range 6 Range 7\"."},
        {" Vertical 2\n", frame("Vertical 2")},
        {" Frame 1\n Vertical 2\n Direction 3 Power 4\n",
         "Line 3 should hold \"Direction" + fourNumbers + ", but holds \"Direction 3 Power 4\"."},
        {lines + "\n" + lines,
         "Line 6 should hold nothing after the Power line of one key frame, but holds \"Frame -3\"."},
        {"Frame " + std::string(60, '7'), frame("Frame " + std::string(54, '7') + "...")},
    };
    for (const auto& [text, problem] : refused) EXPECT_EQ(ReadBack(text), "refused: " + problem);
}

}  // namespace
}  // namespace orvik
