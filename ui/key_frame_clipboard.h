#pragma once
// A key frame on the system clipboard, as plain text: the four value lines a
// stroke file holds for it, so that other programs see the file's own lines.
#include <QString>

#include "core/key_frame_text.h"

namespace orvik {

void CopyKeyFrameToClipboard(const KeyFrame& keyFrame);

// The clipboard's text read as a key frame.
Result<KeyFrame> KeyFrameFromClipboard();

// Why a paste was refused, for the message: what the clipboard held wrong
// (`problem`, as reading it gave) and what was expected there.
QString PasteRefusal(const std::string& problem);

}  // namespace orvik
