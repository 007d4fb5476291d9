#pragma once
// Writes the StrokeFile in the game's text format, CR LF line ends. The stroke
// type and the bowler class code come from the window's lists, not from the
// record.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/stroke_file.h"

namespace orvik {

std::string StrokeFileText(const StrokeFile& stroke, std::string_view typeText, std::int32_t bowlerTypesCode);

}  // namespace orvik
