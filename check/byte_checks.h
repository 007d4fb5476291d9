#pragma once
// What the bytes of a stroke file hold that is no text of the game's: a
// byte-order mark at its start, and bytes that are neither printable nor a
// line end (control characters, tabs and DEL), which the reader keeps in the
// fields as they are.
#include <string_view>
#include <vector>

#include "core/problem_kinds.h"

namespace orvik::check {

inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// A "byte-order-mark" problem on line 1, and a "control-byte" problem on the
// first line that holds such a byte, saying how many more lines do.
std::vector<Problem> ByteProblems(std::string_view bytes);

}  // namespace orvik::check
