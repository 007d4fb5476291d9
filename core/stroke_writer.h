#pragma once
// Writes the StrokeFile in the game's text format, CR LF line ends. The stroke
// type and the bowler class code come from the window's lists, not from the
// record.
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "core/stroke_file.h"

namespace orvik {

void WriteStrokeFile(std::ostream& out, const StrokeFile& stroke, std::string_view typeText,
                     std::int32_t bowlerTypesCode);

// The same text as a string.
std::string StrokeFileText(const StrokeFile& stroke, std::string_view typeText, std::int32_t bowlerTypesCode);

}  // namespace orvik
