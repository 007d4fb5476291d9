#include "core/read_back_check.h"

#include <array>
#include <sstream>
#include <utility>
#include <vector>

#include "core/numbers.h"
#include "core/stroke_reader.h"
#include "core/stroke_writer.h"

namespace orvik {
namespace {

struct KeyFrameField {
    FieldKind Kind;
    const char* Key;
};
constexpr std::array<KeyFrameField, 6> KeyFrameFields = {{{FieldKind::Frame, "Frame"},
                                                          {FieldKind::Vertical, "Vertical"},
                                                          {FieldKind::Direction, "Direction"},
                                                          {FieldKind::DirectionRange, "Direction Range"},
                                                          {FieldKind::Power, "Power"},
                                                          {FieldKind::PowerRange, "Power Range"}}};

const char* HeaderKey(FieldKind kind) {
    switch (kind) {
        case FieldKind::Type: return "Type";
        case FieldKind::Faceing: return "Faceing";
        case FieldKind::Difficulty: return "Difficulty";
        case FieldKind::Reward: return "Reward";
        case FieldKind::Difficulty6: return "Difficulty6";
        case FieldKind::Reward6: return "Reward6";
        case FieldKind::Difficulty3: return "Difficulty3";
        case FieldKind::Reward3: return "Reward3";
        case FieldKind::EdgeProb: return "EdgeProb";
        case FieldKind::EdgeProb6: return "EdgeProb6";
        case FieldKind::EdgeProb3: return "EdgeProb3";
        case FieldKind::BowlerTypes: return "BowlerTypes";
        case FieldKind::StumpPosition: return "StumpPosition";
        case FieldKind::BatsmanPosition: return "BatsmanPosition";
        case FieldKind::PitchPosition: return "PitchPosition";
        case FieldKind::Name: return "Name";
        case FieldKind::Variation: return "Variation";
        default: return nullptr;
    }
}

const KeyFrame& FrameOf(const StrokeFile& stroke, int k) { return stroke.KeyFrames.at(static_cast<std::size_t>(k)); }

// A field as the file carries it: a text as it is, a number as the writer
// formats it, so that a value with more digits than the format keeps compares
// equal to what it reads back as.
struct FieldText {
    FieldId Field;
    std::string Text;
    bool IsNumber;
};

// Every field the writer writes, in file order.
std::vector<FieldText> WrittenFields(const StrokeFile& s, std::string_view typeText, std::int32_t bowlerCode) {
    std::vector<FieldText> fields = {
        {{FieldKind::Type}, std::string(typeText), false},
        {{FieldKind::Faceing}, s.Faceing, false},
        {{FieldKind::Difficulty}, s.Difficulty, false},
        {{FieldKind::Reward}, s.Reward, false},
        {{FieldKind::Difficulty6}, s.Difficulty6, false},
        {{FieldKind::Reward6}, s.Reward6, false},
        {{FieldKind::Difficulty3}, s.Difficulty3, false},
        {{FieldKind::Reward3}, s.Reward3, false},
        {{FieldKind::EdgeProb}, s.EdgeProb, false},
        {{FieldKind::EdgeProb6}, s.EdgeProb6, false},
        {{FieldKind::EdgeProb3}, s.EdgeProb3, false},
        {{FieldKind::BowlerTypes}, NumberText(bowlerCode), true},
        {{FieldKind::StumpPosition}, NumberText(s.StumpPosition), true},
        {{FieldKind::BatsmanPosition}, NumberText(s.BatsmanPosition), true},
        {{FieldKind::PitchPosition}, NumberText(s.PitchPosition), true},
        {{FieldKind::Name}, s.Name, false},
        {{FieldKind::Variation}, s.Variation, false},
    };
    for (int k = 0; k < NormalKeyFrameCount + SixHitKeyFrameCount(s); ++k) {
        const KeyFrame& frame = FrameOf(s, k);
        if (k >= NormalKeyFrameCount) fields.push_back({{FieldKind::KeyFrameTag, k}, frame.KeyFrameTag, false});
        const double values[] = {frame.Vertical, frame.Direction, frame.DirectionRange, frame.Power, frame.PowerRange};
        fields.push_back({{FieldKind::Frame, k}, NumberText(frame.Frame), true});
        for (std::size_t i = 0; i < std::size(values); ++i)
            fields.push_back({{KeyFrameFields[i + 1].Kind, k}, NumberText(values[i]), true});
    }
    for (int j = 1; j <= TrailingLineArray::Last; ++j)
        fields.push_back({{FieldKind::TrailingLine, j}, s.TrailingLines.at(j), false});
    return fields;
}

bool IsEdgeProbability(const FieldId& field) {
    return field.Kind == FieldKind::EdgeProb || field.Kind == FieldKind::EdgeProb6 || field.Kind == FieldKind::EdgeProb3;
}

// Why a value cannot come back as it is, where that shows in the value alone;
// empty where it does not. These fields are what moves the others.
std::string ReasonInTheValue(const FieldText& field) {
    const std::string& text = field.Text;
    if (field.IsNumber) {
        try {
            DblFromText(text);
            return {};
        } catch (const ConversionError& error) {
            // The writer's own form of a finite double fails to read back only
            // when rounding to 15 digits carried it past the largest double;
            // its "NaN" and "Infinity" are no number at all.
            if (error.Kind() == ConversionFailure::NotANumber) return "it is not a number a stroke file can hold";
            return "the number is too large to be read back";
        }
    }
    if (text.find_first_of("\r\n") != std::string::npos) return "a line break ends a line in a stroke file";
    if (text.find(',') != std::string::npos) {
        if (IsEdgeProbability(field.Field))
            return "a comma ends a field in a stroke file: use a point as the decimal separator";
        return "a comma ends a field in a stroke file";
    }
    // A trailing line is a field of its own: the reader skips its leading
    // spaces and takes a double quote at its start as the start of a quoted text.
    if (field.Field.Kind == FieldKind::TrailingLine) {
        if (text.starts_with(' ')) return "a stroke file drops the spaces at the start of a line";
        if (text.starts_with('"')) return "a double quote at the start of a line begins a quoted text in a stroke file";
    }
    return {};
}

// A value shown in a message: at most 40 characters, line ends as they are written.
std::string Shown(const std::string& text) {
    std::string shown;
    for (char c : text.substr(0, 40)) {
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else
            shown += c;
    }
    return "\"" + shown + (text.size() > 40 ? "...\"" : "\"");
}

}  // namespace

std::string FieldFileKey(const StrokeFile& stroke, const FieldId& field) {
    if (const char* key = HeaderKey(field.Kind)) return key;
    if (field.Kind == FieldKind::TrailingLine) return "trailing line " + std::to_string(field.Index);
    if (field.Kind == FieldKind::WholeFile) return "the stroke file";
    // A six-hit key frame goes by its tag, the timing it names.
    const bool sixHit = field.Index >= NormalKeyFrameCount;
    std::string frame = sixHit ? "six-hit key frame " : "normal key frame ";
    if (sixHit && field.Index < KeyFrameCount)
        frame += FrameOf(stroke, field.Index).KeyFrameTag;
    else
        frame += std::to_string(field.Index);
    if (field.Kind == FieldKind::KeyFrameTag) return frame;
    for (const KeyFrameField& f : KeyFrameFields)
        if (f.Kind == field.Kind) return std::string(f.Key) + " of " + frame;
    return frame;
}

std::vector<FieldProblem> FieldsThatWouldNotReadBack(const StrokeFile& stroke, std::string_view typeText,
                                                     std::int32_t bowlerCode, std::string_view written) {
    std::vector<FieldProblem> problems;
    if (static_cast<std::int64_t>(written.size()) > MaxStrokeFileSize)
        problems.push_back({{FieldKind::WholeFile},
                            "it would take " + OverSizeLimitText(static_cast<std::int64_t>(written.size()))});

    StrokeFile back = StartStroke();
    ReadStrokeText(written, back);

    const std::vector<FieldText> before = WrittenFields(stroke, typeText, bowlerCode);
    const std::vector<FieldText> after = WrittenFields(back, back.Type, back.BowlerTypes);
    // What came back different, field by field. A field that came back from
    // nowhere (a trailing line read as a six-hit key frame) is told by the
    // fields it took the place of.
    auto found = [&after](const FieldId& field) -> const std::string* {
        for (const FieldText& f : after)
            if (f.Field == field) return &f.Text;
        return nullptr;
    };
    std::vector<std::pair<std::size_t, std::string>> changed;  // index in `before`, what came back
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::string* back = found(before[i].Field);
        if (back == nullptr || *back != before[i].Text) changed.emplace_back(i, back ? *back : std::string());
    }
    if (changed.empty()) return problems;

    // The values that cause a change name it; the fields they shift are not
    // named, as they come back right once the cause is mended.
    std::vector<FieldProblem> causes;
    for (const FieldText& field : before)
        if (std::string reason = ReasonInTheValue(field); !reason.empty()) causes.push_back({field.Field, reason});
    if (causes.empty()) {
        for (const auto& [i, back] : changed)
            causes.push_back({before[i].Field, "a stroke file would give it back as " + Shown(back)});
    }
    problems.insert(problems.end(), causes.begin(), causes.end());
    return problems;
}

std::vector<FieldProblem> FieldsThatWouldNotReadBack(const StrokeFile& stroke, std::string_view typeText,
                                                     std::int32_t bowlerCode) {
    std::ostringstream out;
    WriteStrokeFile(out, stroke, typeText, bowlerCode);
    return FieldsThatWouldNotReadBack(stroke, typeText, bowlerCode, out.str());
}

}  // namespace orvik
