#pragma once
// The one stroke held by the editor: the contents of one stroke attribute
// file (.atr) as read and as edited since.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace orvik {

struct KeyFrame {
    std::int16_t Frame = 0;
    double Vertical = 0;
    double Direction = 0;
    double DirectionRange = 0;
    double Power = 0;
    double PowerRange = 0;
    std::string KeyFrameTag;  // six-hit key frames only: "0" to "4" names the timing

    friend bool operator==(const KeyFrame&, const KeyFrame&) = default;
};

// Lines after the key frames, kept without interpretation. Indices run from
// -10 to 65; -10 to 0 hold "43" from start-up on, which keeps the writer's
// stop test from ending before index 3.
class TrailingLineArray {
public:
    static constexpr int First = -10;
    static constexpr int Last = 65;

    std::string& at(int index);
    const std::string& at(int index) const;

private:
    std::array<std::string, Last - First + 1> lines_{};
};

// KeyFrames 0 to 4 are the normal key frames, one per timing; 5 to 9 the
// six-hit key frames in file order.
inline constexpr int NormalKeyFrameCount = 5;
inline constexpr int KeyFrameCount = 10;

struct StrokeFile {
    std::string Type, Faceing, Difficulty, Reward, Difficulty6, Reward6, Difficulty3, Reward3, EdgeProb, EdgeProb6,
        EdgeProb3;
    std::int16_t BowlerTypes = 0, StumpPosition = 0, BatsmanPosition = 0, PitchPosition = 0;
    std::string Name, Variation;
    std::array<KeyFrame, KeyFrameCount> KeyFrames{};
    TrailingLineArray TrailingLines;
};

// KeyFrames(k) with a subscript check: an index outside 0 to 9 (the timing
// list's index is -1 while no timing is chosen) throws std::out_of_range, so
// that the statement that names it fails on its own, as TrailingLines.at does.
inline KeyFrame& KeyFrameAt(StrokeFile& stroke, int k) {
    if (k < 0 || k >= KeyFrameCount) throw std::out_of_range("KeyFrames index out of range");
    return stroke.KeyFrames[static_cast<std::size_t>(k)];
}

inline const KeyFrame& KeyFrameAt(const StrokeFile& stroke, int k) {
    if (k < 0 || k >= KeyFrameCount) throw std::out_of_range("KeyFrames index out of range");
    return stroke.KeyFrames[static_cast<std::size_t>(k)];
}

// A stroke file is a few kilobytes. Anything larger is no stroke file: the
// editor refuses to load it and never writes one.
inline constexpr std::int64_t MaxStrokeFileSize = 1 << 20;

// The size limit as every message states it, for a file of `size` bytes:
// "1048577 bytes, more than the 1048576 bytes a stroke file may hold".
std::string OverSizeLimitText(std::int64_t size);

// The record as the editor creates it: texts empty, numbers 0, TrailingLines
// -10 to 0 "43". Every load starts from it, so that a field the file does not
// give shows its start value, never one of another file.
StrokeFile StartStroke();

// Whether a six-hit tag names a timing: exactly "0" to "4".
bool IsValidSixHitTag(const std::string& tag);

// How many six-hit key frames the record holds from KeyFrames(5) on: up to
// the last one with a tag. A load gives those after the file's last six-hit
// block an empty tag; a block whose tag names no timing still counts, so that
// it is shown and saved as it was found.
int SixHitKeyFrameCount(const StrokeFile& stroke);

}  // namespace orvik
