#pragma once
// A unified diff of a file against what a save would write, line ends shown
// as they are: each line ends in "\r\n", "\n" or "\r" as written text, or in
// nothing when the file ends without a line end. The lines and the names in
// the header are escaped as everything the checker prints.
#include <string>
#include <string_view>
#include <vector>

namespace orvik::check {

// The lines of a text, each with its line end (CR LF, LF or CR) where it has one.
std::vector<std::string_view> SplitLines(std::string_view text);

std::string_view WithoutLineEnd(std::string_view line);

// Empty when the texts are the same; three lines of context around each change.
std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeName,
                        std::string_view afterName);

}  // namespace orvik::check
