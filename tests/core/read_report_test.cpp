// The reader's report: each step that did not go as the layout says, with its
// line. The checker's test gives each kind of problem through the checker's
// output; here are the steps it does not try. That a report changes nothing
// in the record: stroke_file_test.
#include "core/read_report.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "clean_stroke.h"
#include "core/stroke_reader.h"

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
        {"clean", [](auto&) {}, ""},
        {"a range that is no number", [](auto& l) { l[17] = " Direction 0 Range abc"; },
         "line 18: Direction Range \"abc\" is not a number [Direction Range of normal key frame 0 keeps 0]"},
        {"a pitch position out of range", [](auto& l) { l[11] = "PitchPosition -40000"; },
         "line 12: PitchPosition \"-40000\" is out of range (-32768 to 32767) [PitchPosition keeps 0]"},
        {"a number too large for a double", [](auto& l) { l[46] = " Vertical 1e400"; },
         "line 47: Vertical \"1e400\" is out of range [Vertical of six-hit key frame 2 keeps 0]"},
        {"a normal key frame that cannot be", [](auto& l) { l[14] = "Mode Normal KeyFrame 5"; },
         "line 15: expected \"Mode Normal KeyFrame 0\", found \"Mode Normal KeyFrame 5\""},
        {"a key word missing", [](auto& l) { l[4] = "Difficulty 3 2"; },
         "line 5: expected \"Difficulty <text> Reward <text>\", found \"Difficulty 3 2\" "
         "[Difficulty keeps \"\", Reward keeps \"\"]"},
        {"the six-hit key word missing", [](auto& l) { l[5] = "Difficulty6 4 5"; },
         "line 6: expected \"Difficulty6 <text> Reward6 <text>\", found \"Difficulty6 4 5\" "
         "[Difficulty6 keeps \"\", Reward6 keeps \"\"]"},
        {"the first line, with a DEL byte", [](auto& l) { l[0] = "StrokeAtr\x7f"; },
         "line 1: expected \"StrokeAttr\", found \"StrokeAtr\\x7F\""},
        {"two six-hit tags that name no timing, each on its line",
         [](auto& l) { l[44] = "Mode 6Hit KeyFrame X", l[50] = "Mode 6Hit KeyFrame 5"; },
         "line 45: six-hit key frame tag \"X\" names no timing (0 to 4); no timing uses this key frame\n"
         "line 51: six-hit key frame tag \"5\" names no timing (0 to 4); no timing uses this key frame"},
        {"a comma in a field, then a second one on a later line, each said once",
         [](auto& l) { l[7] = "EdgeProb 0,1 EdgeProb6 0,05 EdgeProb3 0.02", l[56] = "a, b"; },
         "line 8: a comma splits this line into two fields; every later field shifts\n"
         "line 57: a comma splits this line into two fields; every later field shifts"},
        {"a line of three fields that does not fit, each field kept",
         [](auto& l) { l[7] = "EdgeProbX 0.1 EdgeProb6 0.2 EdgeProb3 0.3"; },
         "line 8: expected \"EdgeProb <text> EdgeProb6 <text> EdgeProb3 <text>\", found \"EdgeProbX 0.1 "
         "EdgeProb6 0.2 EdgeProb3 0.3\" [EdgeProb keeps \" 0.1\", EdgeProb6 keeps \"0.2\", EdgeProb3 keeps "
         "\"0.3\"]"},
    };
    for (const Fault& fault : faults) {
        std::vector<std::string> lines = CleanLines("2 0");
        fault.edit(lines);
        EXPECT_EQ(Reported(JoinedLines(lines)), fault.reported) << fault.what;
    }
    // A file that holds a first line is not empty: it ends early.
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

}  // namespace
}  // namespace orvik
