#pragma once
// The checker's problem codes: one short name per kind of problem, the same
// from version to version, printed in the text output and in the JSON
// document, so that a script can tell one kind from another without reading
// the message. README.md lists them with the same one-line meanings.
#include <array>
#include <string_view>

namespace orvik::check {

struct ProblemCode {
    std::string_view Code;
    // "error": the editor or the game cannot use the file as it is, or a
    // save loses or shifts what it holds; "warning": the file works, but a
    // save would write it otherwise.
    std::string_view Severity;
    int ExitStatus;  // 1 for a problem of a file, 2 for a path that cannot be read
    std::string_view Meaning;
};

inline constexpr std::array<ProblemCode, 28> ProblemCodes = {{
    {"empty-file", "error", 1, "the file holds nothing"},
    {"ends-early", "error", 1, "the file ends before the layout does; the fields after keep their start values"},
    {"not-a-number", "error", 1, "a number field holds no number; the field keeps its value from before"},
    {"out-of-range", "error", 1, "a number too large for its field; the field keeps its value from before"},
    {"bad-six-hit-tag", "error", 1,
     "a six-hit key frame's tag is not 0 to 4, so no timing uses it; a save keeps it as found"},
    {"unexpected-line", "error", 1, "a line does not have the layout's form for its place"},
    {"line-out-of-step", "error", 1,
     "a line of another place in the layout: one is missing or extra, every later "
     "field shifts"},
    {"unclosed-quote", "error", 1, "a double quote opens a field that runs to the end of the file"},
    {"quote-joins-lines", "error", 1, "a double quote joins lines into one field; every later field shifts"},
    {"text-after-quote", "error", 1, "text after a closing double quote is dropped"},
    {"comma-split", "error", 1, "a comma splits a line into two fields; every later field shifts"},
    {"text-after-end", "error", 1, "text after the 65 trailing lines, which a save drops"},
    {"edge-prob-not-a-number", "error", 1, "EdgeProb, EdgeProb6 or EdgeProb3 is not a number"},
    {"edge-prob-out-of-range", "error", 1, "EdgeProb, EdgeProb6 or EdgeProb3 lies outside 0 to 1"},
    {"unknown-type", "error", 1, "Type is none of Aggressive, Defensive, Moderate (exact spelling)"},
    {"unknown-bowler-class", "error", 1, "BowlerTypes is none of the bowler class codes 15, 6, 1, 9"},
    {"zeroed-key-frame", "error", 1,
     "a normal key frame's Frame, Vertical, Direction and Power are all 0: a timing that sends the ball nowhere"},
    {"byte-order-mark", "warning", 1, "the file starts with a byte-order mark, which a save drops"},
    {"control-byte", "error", 1, "a byte that is neither printable nor a line end"},
    {"save-refused", "error", 1, "a save would refuse the stroke: a field would not read back as it is"},
    {"save-changes", "warning", 1, "a save would write the file otherwise; the line is the first that differs"},
    {"not-a-regular-file", "error", 1, "a folder, device, named pipe or socket: never opened"},
    {"too-large", "error", 1, "more bytes than a stroke file may hold (1048576)"},
    {"not-found", "error", 2, "no file or folder of that name"},
    {"dangling-link", "error", 2, "a link to nothing"},
    {"link-loop", "error", 2, "links that lead round in a loop"},
    {"permission-denied", "error", 2, "no permission to read the file or folder, or to search a folder on its path"},
    {"unreadable", "error", 2, "the file or folder cannot be read for another reason, given in the message"},
}};

// The entry of `code`; every code the checker prints has one.
const ProblemCode& ProblemCodeOf(std::string_view code);

}  // namespace orvik::check
