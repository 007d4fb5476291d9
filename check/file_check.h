#pragma once
// The checks of one stroke file: whether it can be read safely, what the
// reader reports, whether it holds values the editor or the game cannot use,
// bytes that are not text, whether it is one of the game's files, whether a
// save would refuse it, and whether a save would change it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/stroke_paths.h"
#include "core/problem_kinds.h"

namespace orvik::check {

struct FileCheck {
    std::string Name;  // the path as given or found, raw
    std::optional<std::string>
        StrokeName;  // the game's name for the stroke; none when the file is not one of its files
    std::vector<Problem> Problems;
    std::string Diff;                     // with a diff asked for: the file against what a save would write
    std::optional<PathError> Unreadable;  // the file could not be read: no problems then
};

// Opens only regular files (through links), of at most the largest stroke
// file's size, never waiting: a device, a pipe or a socket is never read.
FileCheck CheckStrokeFile(const StrokePath& file, bool withDiff);

}  // namespace orvik::check
