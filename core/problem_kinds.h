#pragma once
// The kinds of problem a stroke file or a path can have, each with the short
// code that names it from version to version (for scripts to tell one kind
// from another without reading the message), its severity, the exit status of
// the checker that meets it and its meaning in a line. The reader reports the
// first kinds; the checker adds those of bytes, saves and paths. README.md
// lists the same table.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

namespace problem_code {
inline constexpr std::string_view EmptyFile = "empty-file";
inline constexpr std::string_view EndsEarly = "ends-early";
inline constexpr std::string_view NotANumber = "not-a-number";
inline constexpr std::string_view OutOfRange = "out-of-range";
inline constexpr std::string_view BadSixHitTag = "bad-six-hit-tag";
inline constexpr std::string_view UnexpectedLine = "unexpected-line";
inline constexpr std::string_view LineOutOfStep = "line-out-of-step";
inline constexpr std::string_view UnclosedQuote = "unclosed-quote";
inline constexpr std::string_view QuoteJoinsLines = "quote-joins-lines";
inline constexpr std::string_view TextAfterQuote = "text-after-quote";
inline constexpr std::string_view CommaSplit = "comma-split";
inline constexpr std::string_view TextAfterEnd = "text-after-end";
inline constexpr std::string_view EdgeProbNotANumber = "edge-prob-not-a-number";
inline constexpr std::string_view EdgeProbOutOfRange = "edge-prob-out-of-range";
inline constexpr std::string_view UnknownType = "unknown-type";
inline constexpr std::string_view UnknownBowlerClass = "unknown-bowler-class";
inline constexpr std::string_view ZeroedKeyFrame = "zeroed-key-frame";
inline constexpr std::string_view ByteOrderMark = "byte-order-mark";
inline constexpr std::string_view ControlByte = "control-byte";
inline constexpr std::string_view SaveRefused = "save-refused";
inline constexpr std::string_view SaveChanges = "save-changes";
inline constexpr std::string_view NotARegularFile = "not-a-regular-file";
inline constexpr std::string_view TooLarge = "too-large";
inline constexpr std::string_view NotFound = "not-found";
inline constexpr std::string_view DanglingLink = "dangling-link";
inline constexpr std::string_view LinkLoop = "link-loop";
inline constexpr std::string_view PermissionDenied = "permission-denied";
inline constexpr std::string_view Unreadable = "unreadable";
}  // namespace problem_code

struct ProblemKind {
    std::string_view Code;  // one of problem_code
    // "error": the editor or the game cannot use the file as it is, or a
    // save loses or shifts what it holds; "warning": the file works, but a
    // save would write it otherwise.
    std::string_view Severity;
    int ExitStatus;  // 1 for a problem of a file, 2 for a path that cannot be read
    std::string_view Meaning;
};

inline constexpr std::array<ProblemKind, 28> ProblemKinds = {{
    {problem_code::EmptyFile, "error", 1, "the file holds nothing"},
    {problem_code::EndsEarly, "error", 1,
     "the file ends before the layout does; the fields after keep their start values"},
    {problem_code::NotANumber, "error", 1, "a number field holds no number; the field keeps its value from before"},
    {problem_code::OutOfRange, "error", 1, "a number too large for its field; the field keeps its value from before"},
    {problem_code::BadSixHitTag, "error", 1,
     "a six-hit key frame's tag is not 0 to 4, so no timing uses it; a save keeps it as found"},
    {problem_code::UnexpectedLine, "error", 1, "a line does not have the layout's form for its place"},
    {problem_code::LineOutOfStep, "error", 1,
     "a line of another place in the layout: one is missing or extra, every later field shifts"},
    {problem_code::UnclosedQuote, "error", 1, "a double quote opens a field that runs to the end of the file"},
    {problem_code::QuoteJoinsLines, "error", 1, "a double quote joins lines into one field; every later field shifts"},
    {problem_code::TextAfterQuote, "error", 1, "text after a closing double quote is dropped"},
    {problem_code::CommaSplit, "error", 1, "a comma splits a line into two fields; every later field shifts"},
    {problem_code::TextAfterEnd, "error", 1, "text after the 65 trailing lines, which a save drops"},
    {problem_code::EdgeProbNotANumber, "error", 1, "EdgeProb, EdgeProb6 or EdgeProb3 is not a number"},
    {problem_code::EdgeProbOutOfRange, "error", 1, "EdgeProb, EdgeProb6 or EdgeProb3 lies outside 0 to 1"},
    {problem_code::UnknownType, "error", 1, "Type is none of Aggressive, Defensive, Moderate (exact spelling)"},
    {problem_code::UnknownBowlerClass, "error", 1, "BowlerTypes is none of the bowler class codes 15, 6, 1, 9"},
    {problem_code::ZeroedKeyFrame, "error", 1,
     "a normal key frame's Frame, Vertical, Direction and Power are all 0: a timing that sends the ball nowhere"},
    {problem_code::ByteOrderMark, "warning", 1, "the file starts with a byte-order mark, which a save drops"},
    {problem_code::ControlByte, "error", 1, "a byte that is neither printable nor a line end"},
    {problem_code::SaveRefused, "error", 1, "a save would refuse the stroke: a field would not read back as it is"},
    {problem_code::SaveChanges, "warning", 1,
     "a save would write the file otherwise; the line is the first that differs"},
    {problem_code::NotARegularFile, "error", 1, "a folder, device, named pipe or socket: never opened"},
    {problem_code::TooLarge, "error", 1, "more bytes than a stroke file may hold (1048576)"},
    {problem_code::NotFound, "error", 2, "no file or folder of that name"},
    {problem_code::DanglingLink, "error", 2, "a link to nothing"},
    {problem_code::LinkLoop, "error", 2, "links that lead round in a loop"},
    {problem_code::PermissionDenied, "error", 2,
     "no permission to read the file or folder, or to search a folder on its path"},
    {problem_code::Unreadable, "error", 2,
     "the file or folder cannot be read for another reason, given in the message"},
}};

// The entry of `code`; every code in use has one.
const ProblemKind& ProblemKindOf(std::string_view code);

// One problem of a stroke file, as the reader reports it and the checker
// prints it.
struct Problem {
    std::string_view Code;  // one of problem_code
    std::int64_t Line = 0;  // the line of the file, from 1; 0 for the file as a whole
    std::string Field;      // the field it concerns as the file names it ("Power of normal key frame 0"); may be empty
    std::optional<std::string> Found;  // what the file holds there, where it holds something for the field
    std::string Message;               // in words, without the line: "Power \"abc\" is not a number"
    std::string Keeps;                 // what the fields keep: "Power of normal key frame 0 keeps 80"; may be empty
    std::optional<std::string>
        Kept;  // what `Field` keeps, as ValueShown shows it, where something is kept in its place
};

// The message followed by what the fields keep, where they keep something.
std::string MessageAndKeeps(const Problem& problem);

}  // namespace orvik
