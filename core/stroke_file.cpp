#include "core/stroke_file.h"

#include <stdexcept>

namespace orvik {

std::string& TrailingLineArray::at(int index) {
    if (index < First || index > Last) throw std::out_of_range("TrailingLines index out of range");
    return lines_[static_cast<std::size_t>(index - First)];
}

const std::string& TrailingLineArray::at(int index) const {
    if (index < First || index > Last) throw std::out_of_range("TrailingLines index out of range");
    return lines_[static_cast<std::size_t>(index - First)];
}

std::string OverSizeLimitText(std::int64_t size) {
    return std::to_string(size) + " bytes, more than the " + std::to_string(MaxStrokeFileSize) +
           " bytes a stroke file may hold";
}

StrokeFile StartStroke() {
    StrokeFile stroke;
    for (int j = TrailingLineArray::First; j <= 0; ++j) stroke.TrailingLines.at(j) = "43";
    return stroke;
}

bool IsValidSixHitTag(const std::string& tag) { return tag.size() == 1 && tag[0] >= '0' && tag[0] <= '4'; }

int SixHitKeyFrameCount(const StrokeFile& stroke) {
    int count = 0;
    for (int k = NormalKeyFrameCount; k < KeyFrameCount; ++k)
        if (!stroke.KeyFrames[static_cast<std::size_t>(k)].KeyFrameTag.empty()) count = k - NormalKeyFrameCount + 1;
    return count;
}

}  // namespace orvik
