#pragma once
// A key frame as text of its own, for the clipboard: the four value lines a
// stroke file holds for it (" Frame 12", " Vertical 20000000",
// " Direction 0 Range 3750000", " Power 1.5 Range 0.25"), so that a key frame
// copied in the editor pastes into a text editor as the file's own lines, and
// lines copied out of a stroke file paste back into the editor.
#include <string>
#include <string_view>

#include "core/result.h"
#include "core/stroke_file.h"

namespace orvik {

// The four value lines of `keyFrame`, each ended by "\n", numbers as the
// writer formats them. The six-hit tag is no part of it.
std::string KeyFrameText(const KeyFrame& keyFrame);

// Reads the four value lines back: the six values (KeyFrameTag left empty),
// or why the text is no key frame. Lines may end in CR LF, LF or CR; blank
// lines around them, the block's own "Mode Normal KeyFrame ..." or
// "Mode 6Hit KeyFrame ..." line before them, and spaces or tabs around the
// words are allowed. Anything else (another key word, a number the file could
// not hold, a fifth line) is refused with a sentence naming the line and what
// was expected there.
Result<KeyFrame> ReadKeyFrameText(std::string_view text);

// The four lines a key frame's text has, as an example for messages:
// " Frame 12", " Vertical 20000000", " Direction 0 Range 3750000",
// " Power 1.5 Range 0.25".
inline const std::string KeyFrameTextExample = KeyFrameText({.Frame = 12,
                                                             .Vertical = 20000000,
                                                             .Direction = 0,
                                                             .DirectionRange = 3750000,
                                                             .Power = 1.5,
                                                             .PowerRange = 0.25,
                                                             .KeyFrameTag = {}});

}  // namespace orvik
