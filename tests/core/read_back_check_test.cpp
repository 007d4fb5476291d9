// The read-back check: which fields a save would not give back, and why.
#include "core/read_back_check.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace orvik {
namespace {

// A clean stroke with two six-hit key frames and a trailing line.
StrokeFile Clean() {
    StrokeFile s = StartStroke();
    s.Type = "Aggressive", s.Faceing = "1", s.Difficulty = "3", s.Reward = "2", s.EdgeProb = "0.1";
    s.EdgeProb6 = "0.05", s.EdgeProb3 = "0.02", s.Name = "a-Cc031", s.Variation = "0";
    for (int k = 0; k < 7; ++k) s.KeyFrames[k] = {std::int16_t(10 + k), 2e7, 7.5e6 * k, 3.75e6, 80.5, 10, ""};
    s.KeyFrames[5].KeyFrameTag = "2", s.KeyFrames[6].KeyFrameTag = "0";
    s.TrailingLines.at(1) = "note";
    return s;
}

std::string Named(const StrokeFile& s, const std::vector<FieldProblem>& problems) {
    std::string names;
    for (const auto& p : problems) names += (names.empty() ? "" : "; ") + FieldFileKey(s, p.Field) + ": " + p.Reason;
    return names;
}

struct Fault {
    const char* what;
    std::function<void(StrokeFile&)> make;
    const char* named;  // the one problem named, as "<file key>: <reason>"
};

TEST(ReadBackCheck, NamesTheOneFieldThatWouldNotComeBackAndWhy) {
    const Fault faults[] = {
        {"comma in an edge probability", [](StrokeFile& s) { s.EdgeProb = "0,5"; },
         "EdgeProb: a comma ends a field in a stroke file: use a point as the decimal separator"},
        {"comma in a trailing line", [](StrokeFile& s) { s.TrailingLines.at(2) = "x, y"; },
         "trailing line 2: a comma ends a field in a stroke file"},
        {"pasted line break", [](StrokeFile& s) { s.Name = "a\r\nb"; }, "Name: a line break ends a line in a stroke file"},
        {"lone line feed", [](StrokeFile& s) { s.EdgeProb6 = "0.5\n"; }, "EdgeProb6: a line break ends a line in a stroke file"},
        {"largest double", [](StrokeFile& s) { s.KeyFrames[2].Power = DBL_MAX; },
         "Power of normal key frame 2: the number is too large to be read back"},
        {"not a number", [](StrokeFile& s) { s.KeyFrames[6].Vertical = std::nan(""); },
         "Vertical of six-hit key frame 0: it is not a number a stroke file can hold"},
        {"leading space in a trailing line", [](StrokeFile& s) { s.TrailingLines.at(1) = "  note"; },
         "trailing line 1: a stroke file drops the spaces at the start of a line"},
        {"leading double quote in a trailing line", [](StrokeFile& s) { s.TrailingLines.at(1) = "\"q\""; },
         "trailing line 1: a double quote at the start of a line begins a quoted text in a stroke file"},
        {"a key word of its line", [](StrokeFile& s) { s.Reward = "x Reward y"; },
         "Difficulty: a stroke file would give it back as \"3 Reward x\"; "
         "Reward: a stroke file would give it back as \"y\""},
        {"a trailing line that reads as a six-hit block", [](StrokeFile& s) {
             s.TrailingLines.at(1) = "Mode 6Hit KeyFrame 1";
         }, "trailing line 1: a stroke file would give it back as \"\""},
        {"over the size limit", [](StrokeFile& s) { s.TrailingLines.at(3) = std::string(MaxStrokeFileSize, 'x'); },
         "the stroke file: it would take 1049631 bytes, more than the 1048576 a stroke file may hold"},
    };
    for (const Fault& fault : faults) {
        StrokeFile s = Clean();
        fault.make(s);
        EXPECT_EQ(Named(s, FieldsThatWouldNotReadBack(s, "Aggressive", 9)), fault.named) << fault.what;
    }
}

TEST(ReadBackCheck, FindsNothingWhereTheFileGivesEveryWrittenFieldBack) {
    StrokeFile s = Clean();
    EXPECT_EQ(Named(s, FieldsThatWouldNotReadBack(s, "Aggressive", 9)), "");
    // More digits than the format keeps: the value is what the file shows, 15 digits.
    s.KeyFrames[1].Power = 0.12345678901234567;
    // Type and bowler class come from the window: the record's own are not written.
    s.Type = "a, b", s.BowlerTypes = 3;
    // Six-hit key frames from the first invalid tag on are not written, whatever they hold.
    s.KeyFrames[6].KeyFrameTag = "5", s.KeyFrames[7] = {1, 2, 3, 4, 5, 6, "1"};
    // A double quote inside a text and bytes above 127 are kept.
    s.Name = "say \"hi\" \xe9\xff";
    EXPECT_EQ(Named(s, FieldsThatWouldNotReadBack(s, "Defensive", 15)), "");
    EXPECT_EQ(Named(s, FieldsThatWouldNotReadBack(s, "De,fensive", 15)), "Type: a comma ends a field in a stroke file");
}

}  // namespace
}  // namespace orvik
