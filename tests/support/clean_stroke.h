#pragma once
// The clean stroke that the tests, the benchmarks and the fuzz target start
// from, its file's lines, and lines joined into a file's text. Standard
// library and core only: the checker's tests build without Qt.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/stroke_file.h"
#include "core/stroke_writer.h"

namespace orvik {

// Every field a value of its own that a save gives back unchanged:
//   Type "Defensive", Faceing "1", Difficulty "5" Reward "3", Difficulty6 "6"
//   Reward6 "4", Difficulty3 "7" Reward3 "2", EdgeProb "0.1" EdgeProb6 "0.2"
//   EdgeProb3 "0.3", BowlerTypes 6 (Spinners), StumpPosition 10,
//   BatsmanPosition -20, PitchPosition 30, Name "drive" Variation "2";
//   key frame k: Frame 10 + k, Vertical (20 + k) million, Direction 10 k
//   degrees, range 5 degrees, Power 1.5 + k, PowerRange 0.25;
//   trailing line 1 "note", -10 to 0 "43" as at start-up.
// The six-hit key frames have the tags given, in file order and separated by
// spaces ("2 0"; "" for none); those after them have no tag and are not written.
inline StrokeFile CleanStroke(std::string_view sixHitTags) {
    StrokeFile stroke = StartStroke();
    stroke.Type = "Defensive", stroke.Faceing = "1";
    stroke.Difficulty = "5", stroke.Reward = "3", stroke.Difficulty6 = "6", stroke.Reward6 = "4";
    stroke.Difficulty3 = "7", stroke.Reward3 = "2";
    stroke.EdgeProb = "0.1", stroke.EdgeProb6 = "0.2", stroke.EdgeProb3 = "0.3";
    stroke.BowlerTypes = 6, stroke.StumpPosition = 10, stroke.BatsmanPosition = -20, stroke.PitchPosition = 30;
    stroke.Name = "drive", stroke.Variation = "2";
    for (int k = 0; k < KeyFrameCount; ++k)
        stroke.KeyFrames[static_cast<std::size_t>(k)] = {
            static_cast<std::int16_t>(10 + k), (20 + k) * 1e6, 7500000.0 * k, 3750000, 1.5 + k, 0.25, ""};
    std::istringstream tags{std::string(sixHitTags)};
    for (std::size_t k = NormalKeyFrameCount; k < KeyFrameCount && tags >> stroke.KeyFrames[k].KeyFrameTag; ++k) {}
    stroke.TrailingLines.at(1) = "note";
    return stroke;
}

// The lines joined into a file's text, each followed by `lineEnd`.
inline std::string JoinedLines(const std::vector<std::string>& lines, std::string_view lineEnd = "\r\n") {
    std::string text;
    for (const std::string& line : lines) (text += line) += lineEnd;
    return text;
}

// The clean stroke's file as a save writes it, line by line without the line
// ends. With the tags "2 0": line 19 is the Power line of normal key frame 0,
// the six-hit blocks begin at lines 45 and 51, trailing line 1 is line 57 and
// four empty lines follow it.
inline std::vector<std::string> CleanLines(std::string_view sixHitTags) {
    const StrokeFile stroke = CleanStroke(sixHitTags);
    const std::string text = StrokeFileText(stroke, stroke.Type, stroke.BowlerTypes);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

}  // namespace orvik
