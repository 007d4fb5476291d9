#pragma once
// The names under which the window offers a stroke's choices, with what the
// file carries for each: the timings of the key frames, the six-hit timings by
// their tag, the stroke types and the bowler classes with their codes. The
// window's lists are filled from here, and the load finds its entries here.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/stroke_file.h"

namespace orvik {

// The normal key frames 0 to 4.
inline constexpr std::array<std::string_view, NormalKeyFrameCount> TimingNames = {
    "Very Late", "Late", "Perfectly on time", "Early", "Very Early"};

// A six-hit key frame by its tag "0" to "4".
inline constexpr std::array<std::string_view, KeyFrameCount - NormalKeyFrameCount> SixHitTimingNames = {
    "Very Late (6Hit)", "Late (6Hit)", "Perfect (6Hit)", "Early (6Hit)", "Very Early (6Hit)"};

inline constexpr std::array<std::string_view, 3> StrokeTypes = {"Aggressive", "Defensive", "Moderate"};

struct BowlerClass {
    std::string_view Name;
    std::int16_t Code;  // what "BowlerTypes" carries in the file
};
inline constexpr std::array<BowlerClass, 4> BowlerClasses = {
    {{"All Bowlers", 15}, {"Spinners", 6}, {"Fast Bowler", 1}, {"Fast and Swing bowlers", 9}}};

// The timing list's entry for a six-hit key frame; none for a tag that names no timing.
inline std::optional<std::string_view> SixHitTimingName(const std::string& tag) {
    if (!IsValidSixHitTag(tag)) return std::nullopt;
    return SixHitTimingNames[static_cast<std::size_t>(tag[0] - '0')];
}

}  // namespace orvik
