#pragma once
// What the reader reports, where asked, about each step of a stroke file that
// did not go as the file's layout says. The report only looks: the record is
// filled the same with and without one.
#include <string>
#include <string_view>
#include <vector>

#include "core/problem_kinds.h"
#include "core/stroke_file.h"
#include "core/stroke_format.h"

namespace orvik {

using ReadReport = std::vector<Problem>;

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
