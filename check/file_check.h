#pragma once
// The checks of one stroke file: whether it can be read safely, what the
// reader reports, whether it is one of the game's files, whether a save would
// refuse it, and whether a save would change it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/stroke_paths.h"

namespace orvik::check {

struct Problem {
    std::int64_t Line = 0;  // the line of the file, from 1; 0 for the file as a whole
    std::string Field;      // the field it concerns, as the file names it; may be empty
    std::string Found;      // what the file holds there; may be empty
    std::string Message;    // in words, without the line
};

struct FileCheck {
    std::string Name;                       // the path as shown
    std::optional<std::string> StrokeName;  // the game's name for the stroke; none when the file is not one of its files
    std::vector<Problem> Problems;
    std::string Diff;                       // with a diff asked for: the file against what a save would write
};

// Opens only regular files (through links), of at most the largest stroke
// file's size: a device, a pipe or a socket is never opened.
FileCheck CheckStrokeFile(const StrokePath& file, bool withDiff);

}  // namespace orvik::check
