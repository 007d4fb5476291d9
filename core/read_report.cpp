#include "core/read_report.h"

#include <array>
#include <cstdio>

#include "core/numbers.h"

namespace orvik {
bool FitsLayout(std::string_view line, std::string_view layout) {
    // The words between the holes in order: the first at the start of the
    // line, the last at its end, the others anywhere between. A "<" in a
    // layout line always opens a hole.
    std::size_t hole = layout.find('<');
    if (hole == std::string_view::npos) return line == layout;
    if (!line.starts_with(layout.substr(0, hole))) return false;
    std::size_t at = hole;  // in `line`
    while (true) {
        const std::size_t wordsStart = layout.find('>', hole) + 1;
        hole = layout.find('<', wordsStart);
        const std::string_view words = layout.substr(wordsStart, hole - wordsStart);
        if (hole == std::string_view::npos) return line.size() >= at + words.size() && line.ends_with(words);
        const std::size_t found = line.find(words, at);
        if (found == std::string_view::npos) return false;
        at = found + words.size();
    }
}

bool FitsAnotherLayoutLine(std::string_view line, std::string_view layout) {
    static constexpr std::array<std::string_view, 17> lines = {
        layout::FirstLine, layout::EmptyLine, layout::Type, layout::Faceing, layout::Difficulty,
        layout::Difficulty6, layout::Difficulty3, layout::EdgeProb, layout::BowlerTypes, layout::StumpPosition,
        layout::BatsmanPosition, layout::PitchPosition, layout::Name, layout::SixHitMode, layout::Frame,
        layout::Vertical, layout::Direction};
    for (std::string_view other : lines)
        if (other != layout && FitsLayout(line, other)) return true;
    if (layout != layout::Power && FitsLayout(line, layout::Power)) return true;
    // A normal key frame's mode line other than the one expected.
    return line.starts_with(layout::NormalMode) && line != layout && line.size() == layout::NormalMode.size() + 1 &&
           line.back() >= '0' && line.back() <= '4';
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t MaxShown = 60;
    std::string shown = "\"";
    for (const char c : text.substr(0, MaxShown)) {
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
            shown += escape;
        } else {
            shown += c;
        }
    }
    return shown + (text.size() > MaxShown ? "...\"" : "\"");
}

std::string ValueShown(const StrokeFile& s, const FieldId& field) {
    const auto frame = [&]() -> const KeyFrame& { return s.KeyFrames.at(static_cast<std::size_t>(field.Index)); };
    switch (field.Kind) {
        case FieldKind::Type: return Quoted(s.Type);
        case FieldKind::Faceing: return Quoted(s.Faceing);
        case FieldKind::Difficulty: return Quoted(s.Difficulty);
        case FieldKind::Reward: return Quoted(s.Reward);
        case FieldKind::Difficulty6: return Quoted(s.Difficulty6);
        case FieldKind::Reward6: return Quoted(s.Reward6);
        case FieldKind::Difficulty3: return Quoted(s.Difficulty3);
        case FieldKind::Reward3: return Quoted(s.Reward3);
        case FieldKind::EdgeProb: return Quoted(s.EdgeProb);
        case FieldKind::EdgeProb6: return Quoted(s.EdgeProb6);
        case FieldKind::EdgeProb3: return Quoted(s.EdgeProb3);
        case FieldKind::BowlerTypes: return NumberText(s.BowlerTypes);
        case FieldKind::StumpPosition: return NumberText(s.StumpPosition);
        case FieldKind::BatsmanPosition: return NumberText(s.BatsmanPosition);
        case FieldKind::PitchPosition: return NumberText(s.PitchPosition);
        case FieldKind::Name: return Quoted(s.Name);
        case FieldKind::Variation: return Quoted(s.Variation);
        case FieldKind::Frame: return NumberText(frame().Frame);
        case FieldKind::Vertical: return NumberText(frame().Vertical);
        case FieldKind::Direction: return NumberText(frame().Direction);
        case FieldKind::DirectionRange: return NumberText(frame().DirectionRange);
        case FieldKind::Power: return NumberText(frame().Power);
        case FieldKind::PowerRange: return NumberText(frame().PowerRange);
        case FieldKind::KeyFrameTag: return Quoted(frame().KeyFrameTag);
        case FieldKind::TrailingLine: return Quoted(s.TrailingLines.at(field.Index));
        case FieldKind::WholeFile: return {};
    }
    return {};
}

}  // namespace orvik
