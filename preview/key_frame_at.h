#pragma once
// KeyFrames(k) with the subscript check of the window's code: an index outside
// 0 to 9 (Combo3.ListIndex is -1 while no timing is chosen) throws, so that the
// statement that names it fails on its own.
#include <stdexcept>

#include "core/stroke_file.h"

namespace orvik {

inline KeyFrame& KeyFrameAt(StrokeFile& stroke, int k) {
    if (k < 0 || k >= KeyFrameCount) throw std::out_of_range("KeyFrames index out of range");
    return stroke.KeyFrames[static_cast<std::size_t>(k)];
}

inline const KeyFrame& KeyFrameAt(const StrokeFile& stroke, int k) {
    if (k < 0 || k >= KeyFrameCount) throw std::out_of_range("KeyFrames index out of range");
    return stroke.KeyFrames[static_cast<std::size_t>(k)];
}

}  // namespace orvik
