// The save check: which fields a save would not give back, and why.
#include "core/save_check.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "clean_stroke.h"

namespace orvik {
namespace {

// The length of trailing line 3 that makes the clean stroke's file exactly as large as a stroke file may be.
constexpr std::size_t FillsTheLimit = MaxStrokeFileSize - 1066;

std::string Named(const StrokeFile& s, const std::vector<FieldProblem>& problems) {
    std::string names;
    for (const auto& p : problems) names += (names.empty() ? "" : "; ") + FieldFileKey(s, p.Field) + ": " + p.Reason;
    return names;
}

// A change to the clean stroke with two six-hit key frames, saved with the window's type and bowler class.
struct Change {
    const char* what;
    std::function<void(StrokeFile&)> make;
    const char* named;  // the problems named, as "<file key>: <reason>"; "" for none
    const char* type = "Aggressive";
    int code = 9;
};

void ExpectNamed(const Change& change) {
    StrokeFile s = CleanStroke("2 0");
    change.make(s);
    EXPECT_EQ(Named(s, FieldsThatWouldNotReadBack(s, change.type, change.code)), change.named) << change.what;
}

TEST(SaveCheck, NamesTheFieldsThatWouldNotComeBackAndWhy) {
    const Change faults[] = {
        {"comma in an edge probability", [](StrokeFile& s) { s.EdgeProb = "0,5"; },
         "EdgeProb: a comma ends a field in a stroke file: use a point as the decimal separator"},
        {"comma in a trailing line", [](StrokeFile& s) { s.TrailingLines.at(2) = "x, y"; },
         "trailing line 2: a comma ends a field in a stroke file"},
        {"comma in the window's stroke type", [](StrokeFile&) {}, "Type: a comma ends a field in a stroke file",
         "De,fensive"},
        {"lone line feed", [](StrokeFile& s) { s.EdgeProb6 = "0.5\n"; },
         "EdgeProb6: a line break ends a line in a stroke file"},
        {"lone carriage return", [](StrokeFile& s) { s.Variation = "0\r1"; },
         "Variation: a line break ends a line in a stroke file"},
        {"largest double", [](StrokeFile& s) { s.KeyFrames[2].Power = DBL_MAX; },
         "Power of normal key frame 2: the number is too large to be read back"},
        {"not a number", [](StrokeFile& s) { s.KeyFrames[6].Vertical = std::nan(""); },
         "Vertical of six-hit key frame 0: it is not a number a stroke file can hold"},
        {"leading space in a trailing line", [](StrokeFile& s) { s.TrailingLines.at(1) = "  note"; },
         "trailing line 1: a stroke file drops the spaces at the start of a line"},
        {"leading double quote in a trailing line", [](StrokeFile& s) { s.TrailingLines.at(1) = "\"q\""; },
         "trailing line 1: a double quote at the start of a line begins a quoted text in a stroke file"},
        {"a key word of its line", [](StrokeFile& s) { s.Reward = "x Reward y"; },
         "Difficulty: a stroke file would give it back as \"5 Reward x\"; "
         "Reward: a stroke file would give it back as \"y\""},
        {"a trailing line that reads as a six-hit block",
         [](StrokeFile& s) { s.TrailingLines.at(1) = "Mode 6Hit KeyFrame 1"; },
         "trailing line 1: a stroke file would give it back as \"\""},
        {"one byte over the size limit",
         [](StrokeFile& s) { s.TrailingLines.at(3) = std::string(FillsTheLimit + 1, 'x'); },
         "the stroke file: it would take 1048577 bytes, more than the 1048576 bytes a stroke file may hold"},
    };
    for (const Change& fault : faults) ExpectNamed(fault);
}

TEST(SaveCheck, FindsNothingWhereTheFileGivesEveryWrittenFieldBack) {
    const Change kept[] = {
        {"the clean stroke", [](StrokeFile&) {}, ""},
        {"more digits than the format keeps: the value is what the file shows",
         [](StrokeFile& s) { s.KeyFrames[1].Power = 0.12345678901234567; }, ""},
        {"the record's own type and bowler class, which the window's replace",
         [](StrokeFile& s) {
             s.Type = "a, b";
             s.BowlerTypes = 3;
         },
         "", "Defensive", 15},
        {"six-hit key frames after the last one with a tag, which are not written, whatever they hold",
         [](StrokeFile& s) { s.KeyFrames[8] = {1, 2, 3, 4, 5, 6, ""}; }, ""},
        {"a six-hit tag that names no timing, written as it is",
         [](StrokeFile& s) { s.KeyFrames[6].KeyFrameTag = "2 "; }, ""},
        {"a double quote inside a text and bytes above 127", [](StrokeFile& s) { s.Name = "say \"hi\" \xe9\xff"; }, ""},
        {"exactly as large as a stroke file may be",
         [](StrokeFile& s) { s.TrailingLines.at(3) = std::string(FillsTheLimit, 'x'); }, ""},
    };
    for (const Change& change : kept) ExpectNamed(change);
}

}  // namespace
}  // namespace orvik
