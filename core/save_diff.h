#pragma once
// A unified diff of a file against what a save would write, line ends shown
// as they are: each line ends in "\r\n", "\n" or "\r" as written text, or in
// nothing when the file ends without a line end. The lines and the names in
// the header are escaped as everything the checker prints. The checker's
// --diff and the window's question before a Save over a misread file show it.
#include <string>
#include <string_view>

namespace orvik {

// Empty when the texts are the same; three lines of context around each change.
std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeName,
                        std::string_view afterName);

}  // namespace orvik
