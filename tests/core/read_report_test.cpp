// The reader's report: each step that did not go as the layout says, with its
// line, and never a change to what the reader puts in the record.
#include "core/read_report.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "clean_stroke.h"
#include "core/stroke_reader.h"
#include "core/stroke_writer.h"

namespace orvik {
namespace {

std::string Reported(const std::string& text) {
    StrokeFile stroke = StartStroke();
    ReadReport report;
    std::istringstream in(text);
    ReadStrokeFile(in, stroke, &report);
    std::string shown;
    for (const Problem& p : report) {
        shown += (shown.empty() ? "" : "\n") + ("line " + std::to_string(p.Line) + ": " + p.Message);
        if (!p.Keeps.empty()) shown += " [" + p.Keeps + "]";
    }
    return shown;
}

struct Fault {
    const char* what;
    std::function<void(std::vector<std::string>&)> edit;  // of CleanLines("2 0"), line n at [n - 1]
    std::string reported;
};

TEST(ReadReport, NamesEachStepThatDidNotGoAsTheLayoutSaysWithItsLine) {
    const Fault faults[] = {
        {.what = "clean", .edit = [](auto&) {}, .reported = ""},
        {.what = "a number that is no number",
         .edit = [](auto& l) { l[18] = " Power abc Range 10"; },
         .reported = "line 19: Power \"abc\" is not a number [Power of normal key frame 0 keeps 0]"},
        {.what = "a text as long as a message shows it whole",
         .edit = [](auto& l) { l[18] = " Power " + std::string(60, 'a') + " Range 10"; },
         .reported =
             "line 19: Power \"" + std::string(60, 'a') + "\" is not a number [Power of normal key frame 0 keeps 0]"},
        {.what = "a range that is no number",
         .edit = [](auto& l) { l[17] = " Direction 0 Range abc"; },
         .reported =
             "line 18: Direction Range \"abc\" is not a number [Direction Range of normal key frame 0 keeps 0]"},
        {.what = "whole numbers out of range",
         .edit = [](auto& l) { l[15] = " Frame 40000"; },
         .reported =
             "line 16: Frame \"40000\" is out of range (-32768 to 32767) [Frame of normal key frame 0 keeps 0]"},
        {.what = "a pitch position out of range",
         .edit = [](auto& l) { l[11] = "PitchPosition -40000"; },
         .reported = "line 12: PitchPosition \"-40000\" is out of range (-32768 to 32767) [PitchPosition keeps 0]"},
        {.what = "a number too large for a double",
         .edit = [](auto& l) { l[46] = " Vertical 1e400"; },
         .reported = "line 47: Vertical \"1e400\" is out of range [Vertical of six-hit key frame 2 keeps 0]"},
        {.what = "a key word different from the layout",
         .edit = [](auto& l) { l[14] = "Mode Normal KeyFrame 11"; },
         .reported = "line 15: expected \"Mode Normal KeyFrame 0\", found \"Mode Normal KeyFrame 11\""},
        {.what = "a normal key frame that cannot be",
         .edit = [](auto& l) { l[14] = "Mode Normal KeyFrame 5"; },
         .reported = "line 15: expected \"Mode Normal KeyFrame 0\", found \"Mode Normal KeyFrame 5\""},
        {.what = "a key word missing",
         .edit = [](auto& l) { l[4] = "Difficulty 3 2"; },
         .reported = "line 5: expected \"Difficulty <text> Reward <text>\", found \"Difficulty 3 2\" "
                     "[Difficulty keeps \"\", Reward keeps \"\"]"},
        {.what = "the six-hit key word missing",
         .edit = [](auto& l) { l[5] = "Difficulty6 4 5"; },
         .reported = "line 6: expected \"Difficulty6 <text> Reward6 <text>\", found \"Difficulty6 4 5\" "
                     "[Difficulty6 keeps \"\", Reward6 keeps \"\"]"},
        {.what = "the first line, with a DEL byte",
         .edit = [](auto& l) { l[0] = "StrokeAtr\x7f"; },
         .reported = "line 1: expected \"StrokeAttr\", found \"StrokeAtr\\x7F\""},
        {.what = "a missing key frame block",
         .edit = [](auto& l) { l.erase(l.begin() + 26, l.begin() + 32); },
         .reported = "line 27: expected \"Mode Normal KeyFrame 2\", found \"Mode Normal KeyFrame 3\"; "
                     "a line is missing or extra here, so every later field shifts"},
        {.what = "two six-hit tags that name no timing, each on its line",
         .edit = [](auto& l) { l[44] = "Mode 6Hit KeyFrame X", l[50] = "Mode 6Hit KeyFrame 5"; },
         .reported = "line 45: six-hit key frame tag \"X\" names no timing (0 to 4); no timing uses this key frame\n"
                     "line 51: six-hit key frame tag \"5\" names no timing (0 to 4); no timing uses this key frame"},
        {.what = "a comma in a field, then a second one on a later line, each said once",
         .edit = [](auto& l) { l[7] = "EdgeProb 0,1 EdgeProb6 0,05 EdgeProb3 0.02", l[56] = "a, b"; },
         .reported = "line 8: a comma splits this line into two fields; every later field shifts\n"
                     "line 57: a comma splits this line into two fields; every later field shifts"},
        {.what = "double quotes joining lines",
         .edit = [](auto& l) { l[56] = "\"a", l[57] = "b\""; },
         .reported = "line 57: a double quote joins lines 57 to 58 into one field; every later field shifts"},
        {.what = "text after a closing double quote",
         .edit = [](auto& l) { l[56] = "\"a\" b"; },
         .reported = "line 57: text after the closing double quote is dropped"},
        {.what = "an open double quote",
         .edit = [](auto& l) { l[56] = "\"a"; },
         .reported =
             "line 57: a double quote opens a field that runs to the end of the file; every later field is lost"},
        {.what = "the file ending early",
         .edit = [](auto& l) { l.resize(20); },
         .reported = "line 21: the file ends early: expected \"Mode Normal KeyFrame 1\""},
        {.what = "empty", .edit = [](auto& l) { l.clear(); }, .reported = "line 1: the file is empty"},
        {.what = "a line of three fields that does not fit, each field kept",
         .edit = [](auto& l) { l[7] = "EdgeProbX 0.1 EdgeProb6 0.2 EdgeProb3 0.3"; },
         .reported = "line 8: expected \"EdgeProb <text> EdgeProb6 <text> EdgeProb3 <text>\", found \"EdgeProbX 0.1 "
                     "EdgeProb6 0.2 EdgeProb3 0.3\" [EdgeProb keeps \" 0.1\", EdgeProb6 keeps \"0.2\", EdgeProb3 keeps "
                     "\"0.3\"]"},
        {.what = "text beyond trailing line 65",
         .edit =
             [](auto& l) {
                 l.resize(56);
                 for (int j = 1; j <= 66; ++j) l.push_back("t" + std::to_string(j));
             },
         .reported = "line 122: text after trailing line 65 is not kept"},
    };
    for (const Fault& fault : faults) {
        std::vector<std::string> lines = CleanLines("2 0");
        fault.edit(lines);
        EXPECT_EQ(Reported(JoinedLines(lines)), fault.reported) << fault.what;
    }
    // A file that holds a first line, ended or not, is not empty: it ends early.
    EXPECT_EQ(Reported("StrokeAttr"), "line 1: the file ends early: expected an empty line");
    EXPECT_EQ(Reported(std::string(MaxStrokeFileSize, 'x')),
              "line 1: expected \"StrokeAttr\", found \"" + std::string(60, 'x') +
                  "...\"\nline 1: the file ends early: expected an empty line");
    const std::string clean = JoinedLines(CleanLines("2 0"));
    for (std::size_t size = 1; size <= 40; ++size)
        EXPECT_EQ(Reported(clean.substr(0, size)).find("the file is empty"), std::string::npos) << size;
    // The field rules end a line at a lone CR or LF too: the reader finds nothing in such files.
    EXPECT_EQ(Reported(JoinedLines(CleanLines("2 0"), "\r")), "");
    EXPECT_EQ(Reported(JoinedLines(CleanLines("2 0"), "\n")), "");
}

// Reads the text into a record that already holds a stroke, with and without a report.
TEST(ReadReport, TheRecordIsTheSameWithAndWithoutAReport) {
    const std::string clean = JoinedLines(CleanLines("2 0"));
    for (std::size_t length = 0; length <= clean.size(); length += 3) {
        std::string text = clean.substr(0, length);
        for (std::size_t i = length % 5; i < text.size(); i += 17) text[i] = ",\" \r\nx9-."[(i + length) % 9];
        StrokeFile plain = StartStroke();
        StrokeFile reported = StartStroke();
        std::istringstream plainIn(text);
        std::istringstream reportedIn(text);
        ReadReport report;
        ReadStrokeFile(plainIn, plain);
        ReadStrokeFile(reportedIn, reported, &report);
        for (int k = NormalKeyFrameCount; k < KeyFrameCount; ++k)
            plain.KeyFrames[k].KeyFrameTag += "0", reported.KeyFrames[k].KeyFrameTag += "0";
        ASSERT_EQ(StrokeFileText(reported, reported.Type, reported.BowlerTypes),
                  StrokeFileText(plain, plain.Type, plain.BowlerTypes))
            << "length " << length;
    }
}

}  // namespace
}  // namespace orvik
