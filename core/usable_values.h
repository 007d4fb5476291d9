#pragma once
// Values that a stroke file may hold and the reader takes as they are, but
// that the editor or the game cannot use: a stroke type or a bowler class
// code that none of the window's list entries holds (the list then shows
// nothing), an edge probability that is no number from 0 to 1, and a six-hit
// tag that names no timing (a save keeps it as found, but no timing uses it),
// and a normal key frame of zeros.
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

// Whether the six-hit key frames the record holds all name a timing.
bool HasOnlyUsableSixHitTags(const StrokeFile& stroke);

// Whether the key frame's Frame, Vertical, Direction and Power are all 0: a
// timing at frame 0 that sends the ball nowhere, as the key frames after a
// comma in a number read. Its ranges do not matter.
bool IsZeroedKeyFrame(const KeyFrame& keyFrame);

// Whether the record's type, bowler class, three edge probabilities and
// six-hit tags are all ones the editor and the game can use, and no normal
// key frame is zeroed.
bool HasOnlyUsableValues(const StrokeFile& stroke);

}  // namespace orvik
