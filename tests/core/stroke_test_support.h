#pragma once
// Shared by the stroke document tests: a complete, well-formed stroke file
// and the record it holds, and short ways to write and read records.
#include <sstream>
#include <string>
#include <string_view>

#include "core/numbers.h"
#include "core/stroke_file.h"
#include "core/stroke_reader.h"
#include "core/stroke_writer.h"

namespace orvik::testing {

// The text with each "\n" turned into the files' CR LF.
inline std::string Crlf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// The record as the editor holds it after start-up and a load: TrailingLines
// -10 to -1 hold "43", index 0 is empty.
inline StrokeFile LoadedStroke() {
    StrokeFile stroke;
    for (int j = TrailingLineArray::First; j < 0; ++j) stroke.TrailingLines.at(j) = "43";
    return stroke;
}

inline std::string Written(const StrokeFile& stroke, std::string_view type = "Aggressive", std::int32_t code = 15) {
    std::ostringstream out;
    WriteStrokeFile(out, stroke, type, code);
    return out.str();
}

inline StrokeFile ReadText(const std::string& text, StrokeFile stroke = LoadedStroke()) {
    std::istringstream in(text);
    ReadStrokeFile(in, stroke);
    return stroke;
}

// A well-formed file with two six-hit key frames (tags "2" and "0") and two
// trailing lines, exactly as the writer writes it.
inline const std::string& WellFormedText() {
    static const std::string text = Crlf(
        "StrokeAttr\n"
        "\n"
        "Type Aggressive\n"
        "Faceing 1\n"
        "Difficulty 3 Reward 2\n"
        "Difficulty6 4 Reward6 5\n"
        "Difficulty3 1 Reward3 0\n"
        "EdgeProb 0.1 EdgeProb6 0.05 EdgeProb3 0.02\n"
        "BowlerTypes 9\n"
        "StumpPosition 120\n"
        "BatsmanPosition -35\n"
        "PitchPosition 2200\n"
        "Name a-Cc031 Variation 0\n"
        "\n"
        "Mode Normal KeyFrame 0\n Frame 10\n Vertical 20000000\n Direction 30000000 Range 7500000\n"
        " Power 80 Range 10\n\n"
        "Mode Normal KeyFrame 1\n Frame 12\n Vertical 25000000\n Direction 22500000 Range 7500000\n"
        " Power 85.5 Range 10\n\n"
        "Mode Normal KeyFrame 2\n Frame 14\n Vertical 30000000\n Direction 15000000 Range 3750000\n"
        " Power 90 Range 12.25\n\n"
        "Mode Normal KeyFrame 3\n Frame 16\n Vertical 35000000\n Direction 7500000 Range 3750000\n"
        " Power 95 Range 15\n\n"
        "Mode Normal KeyFrame 4\n Frame 18\n Vertical 0.5\n Direction -7500000 Range 15000000\n"
        " Power 100 Range 20\n\n"
        "Mode 6Hit KeyFrame 2\n Frame 20\n Vertical 120000000\n Direction -3750000 Range 3750000\n"
        " Power 120 Range 5\n\n"
        "Mode 6Hit KeyFrame 0\n Frame -3\n Vertical 110000000\n Direction 0 Range 3750000\n"
        " Power 115 Range 6\n\n"
        "43\n"
        "note\n"
        "\n\n\n\n");
    return text;
}

// The record that WellFormedText holds (six-hit key frames 7 to 9 untouched).
inline StrokeFile WellFormedStroke() {
    StrokeFile s = LoadedStroke();
    s.Type = "Aggressive";
    s.Faceing = "1";
    s.Difficulty = "3", s.Reward = "2";
    s.Difficulty6 = "4", s.Reward6 = "5";
    s.Difficulty3 = "1", s.Reward3 = "0";
    s.EdgeProb = "0.1", s.EdgeProb6 = "0.05", s.EdgeProb3 = "0.02";
    s.BowlerTypes = 9, s.StumpPosition = 120, s.BatsmanPosition = -35, s.PitchPosition = 2200;
    s.Name = "a-Cc031", s.Variation = "0";
    s.KeyFrames[0] = {10, 20000000, 30000000, 7500000, 80, 10, ""};
    s.KeyFrames[1] = {12, 25000000, 22500000, 7500000, 85.5, 10, ""};
    s.KeyFrames[2] = {14, 30000000, 15000000, 3750000, 90, 12.25, ""};
    s.KeyFrames[3] = {16, 35000000, 7500000, 3750000, 95, 15, ""};
    s.KeyFrames[4] = {18, 0.5, -7500000, 15000000, 100, 20, ""};
    s.KeyFrames[5] = {20, 120000000, -3750000, 3750000, 120, 5, "2"};
    s.KeyFrames[6] = {-3, 110000000, 0, 3750000, 115, 6, "0"};
    s.TrailingLines.at(1) = "43";
    s.TrailingLines.at(2) = "note";
    return s;
}

}  // namespace orvik::testing

namespace orvik::testing {

// Every field of the record, numbers as the writer formats them, one per
// line: comparing two dumps shows exactly which fields differ.
inline std::string StrokeDump(const StrokeFile& s) {
    std::ostringstream out;
    out << "Type=" << s.Type << "\nFaceing=" << s.Faceing << "\nDifficulty=" << s.Difficulty
        << "\nReward=" << s.Reward << "\nDifficulty6=" << s.Difficulty6 << "\nReward6=" << s.Reward6
        << "\nDifficulty3=" << s.Difficulty3 << "\nReward3=" << s.Reward3 << "\nEdgeProb=" << s.EdgeProb
        << "\nEdgeProb6=" << s.EdgeProb6 << "\nEdgeProb3=" << s.EdgeProb3 << "\nBowlerTypes=" << s.BowlerTypes
        << "\nStumpPosition=" << s.StumpPosition << "\nBatsmanPosition=" << s.BatsmanPosition
        << "\nPitchPosition=" << s.PitchPosition << "\nName=" << s.Name << "\nVariation=" << s.Variation << '\n';
    for (int k = 0; k < KeyFrameCount; ++k) {
        const KeyFrame& f = s.KeyFrames[static_cast<std::size_t>(k)];
        out << "KeyFrames(" << k << ")=" << f.Frame << ' ' << NumberText(f.Vertical) << ' '
            << NumberText(f.Direction) << ' ' << NumberText(f.DirectionRange) << ' ' << NumberText(f.Power) << ' '
            << NumberText(f.PowerRange) << " tag=" << f.KeyFrameTag << '\n';
    }
    for (int j = TrailingLineArray::First; j <= TrailingLineArray::Last; ++j)
        if (!s.TrailingLines.at(j).empty()) out << "TrailingLines(" << j << ")=" << s.TrailingLines.at(j) << '\n';
    return out.str();
}

// The text with its first occurrence of `from` replaced; empty when `from`
// does not occur, so that a mistyped test line shows up as a failure.
inline std::string ReplaceOnce(std::string text, std::string_view from, std::string_view to) {
    const auto at = text.find(from);
    if (at == std::string::npos) return {};
    return text.replace(at, from.size(), to);
}

}  // namespace orvik::testing
