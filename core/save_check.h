#pragma once
// Whether a stroke survives a save: the text the writer forms is read back by
// the reader into a fresh record and compared with the stroke, field by field.
// A field that would come back different (a comma or a line break in a text,
// a number too large for the format) is named with the reason in words.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/stroke_file.h"
#include "core/stroke_format.h"

namespace orvik {

struct FieldProblem {
    FieldId Field;
    std::string Reason;  // in words: "a line break", "the number is too large to be read back"
};

// The fields of `stroke` that the file `written` (the writer's text for
// `stroke` with `typeText` and `bowlerCode` in place of Type and BowlerTypes)
// would not give back, each with why. Empty when reading it back gives every
// field the writer writes unchanged: texts byte for byte, numbers as the
// writer formats them (15 significant digits). Six-hit key frames after the
// last one with a tag and TrailingLines -10 to 0 are not written and not
// compared.
std::vector<FieldProblem> FieldsThatWouldNotReadBack(const StrokeFile& stroke, std::string_view typeText,
                                                     std::int32_t bowlerCode, std::string_view written);

// The same, forming the text itself.
std::vector<FieldProblem> FieldsThatWouldNotReadBack(const StrokeFile& stroke, std::string_view typeText,
                                                     std::int32_t bowlerCode);

}  // namespace orvik
