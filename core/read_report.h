#pragma once
// What the reader reports, where asked, about each step of a stroke file that
// did not go as the file's layout says. The report only looks: the record is
// filled the same with and without one.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/stroke_file.h"
#include "core/stroke_format.h"

namespace orvik {

// Each kind of problem the reader reports has a short name of its own that
// stays the same from version to version, for scripts to tell them apart.
namespace problem_code {
inline constexpr const char* EmptyFile = "empty-file";
inline constexpr const char* EndsEarly = "ends-early";
inline constexpr const char* NotANumber = "not-a-number";
inline constexpr const char* OutOfRange = "out-of-range";
inline constexpr const char* BadSixHitTag = "bad-six-hit-tag";
inline constexpr const char* UnexpectedLine = "unexpected-line";
inline constexpr const char* LineOutOfStep = "line-out-of-step";
inline constexpr const char* UnclosedQuote = "unclosed-quote";
inline constexpr const char* QuoteJoinsLines = "quote-joins-lines";
inline constexpr const char* TextAfterQuote = "text-after-quote";
inline constexpr const char* CommaSplit = "comma-split";
inline constexpr const char* TextAfterEnd = "text-after-end";
inline constexpr const char* EdgeProbNotANumber = "edge-prob-not-a-number";
inline constexpr const char* EdgeProbOutOfRange = "edge-prob-out-of-range";
inline constexpr const char* UnknownType = "unknown-type";
inline constexpr const char* UnknownBowlerClass = "unknown-bowler-class";
}  // namespace problem_code

struct ReadProblem {
    const char* Code = "";  // one of problem_code
    std::int64_t Line = 0;  // the line of the file, from 1
    std::string Field;      // the field it concerns as the file names it ("Power of normal key frame 0"); may be empty
    std::string Found;      // what the file holds there
    std::string Message;    // in words, without the line: "Power \"abc\" is not a number"
    std::string Keeps;      // what the fields keep: "Power of normal key frame 0 keeps 80"; may be empty
    std::string Kept;       // what `Field` keeps, as ValueShown shows it; empty where nothing is kept in its place
};

using ReadReport = std::vector<ReadProblem>;

// Whether a line fits a line of the layout, written as the writer writes it
// with "<text>" or "<number>" for the values: "Difficulty <text> Reward <text>".
bool FitsLayout(std::string_view line, std::string_view layout);

// Whether the line fits any line of the layout other than `layout`: then the
// lines are out of step, one missing or extra. The normal key frames' mode
// lines end in their number, 0 to 4.
bool FitsAnotherLayoutLine(std::string_view line, std::string_view layout);

// What the field holds, as the messages show it: a text quoted, a number as
// the writer writes it.
std::string ValueShown(const StrokeFile& stroke, const FieldId& field);

}  // namespace orvik
