#pragma once
// A unified diff of a file against what a save would write, line ends shown
// as they are: each line ends in "\r\n", "\n" or "\r" as written text, or in
// nothing when the file ends without a line end. The lines and the names in
// the header are escaped as everything the checker prints.
#include <string>
#include <string_view>

#include "core/text_lines.h"

namespace orvik::check {

// The lines the diff compares, as the stroke files' lines are split
// everywhere; the window's first Save over a misread file names them so.
using orvik::SplitLines;
using orvik::WithoutLineEnd;

// Empty when the texts are the same; three lines of context around each change.
std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeName,
                        std::string_view afterName);

}  // namespace orvik::check
