#pragma once
// Values that a stroke file may hold and the reader takes as they are, but
// that the editor or the game cannot use: a stroke type or a bowler class
// code that none of the window's list entries holds (the list then shows
// nothing), and an edge probability that is no number from 0 to 1.
#include <cstdint>
#include <string_view>

#include "core/stroke_file.h"

namespace orvik {

// Exactly one of the types the window offers, as the window compares it.
bool IsEditorStrokeType(std::string_view type);

// The code of one of the window's bowler classes.
bool IsBowlerClassCode(std::int16_t code);

enum class EdgeProbabilityFault { None, NotANumber, OutsideZeroToOne };

// The number syntax is the reader's (dbl); a number too large for a double
// lies outside 0 to 1.
EdgeProbabilityFault EdgeProbabilityFaultOf(std::string_view text);

// Whether the record's type, bowler class and three edge probabilities are
// all ones the editor and the game can use.
bool HasOnlyUsableValues(const StrokeFile& stroke);

}  // namespace orvik
