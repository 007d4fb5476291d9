#pragma once
// A text cut into its lines, as the stroke files and the clipboard hold them:
// a line ends in CR LF, LF or CR.
#include <string_view>
#include <vector>

namespace orvik {

// The lines of a text, each with its line end where it has one; the last
// line has none where the text does not end in one.
std::vector<std::string_view> SplitLines(std::string_view text);

// The line without its line end.
std::string_view WithoutLineEnd(std::string_view line);

}  // namespace orvik
