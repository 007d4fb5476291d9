#pragma once
// The stroke file's format, written down once: its lines in file order, the
// key words on each, the fields they carry and where the record keeps them.
// The writer writes these lines, the reader cuts its values out of them by
// their key words, the save check compares their fields and the read report
// shows their layout. A key word of the format is spelt here and nowhere else.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "core/stroke_file.h"

namespace orvik {

// The fields of the file, as messages and checks name them.
enum class FieldKind {
    // The header's fields.
    Type,
    Faceing,
    Difficulty,
    Reward,
    Difficulty6,
    Reward6,
    Difficulty3,
    Reward3,
    EdgeProb,
    EdgeProb6,
    EdgeProb3,
    BowlerTypes,
    StumpPosition,
    BatsmanPosition,
    PitchPosition,
    Name,
    Variation,
    // The fields of KeyFrames(Index).
    Frame,
    Vertical,
    Direction,
    DirectionRange,
    Power,
    PowerRange,
    KeyFrameTag,
    // TrailingLines(Index).
    TrailingLine,
    // The file as a whole (its size).
    WholeFile,
};

struct FieldId {
    FieldKind Kind = FieldKind::WholeFile;
    int Index = 0;  // the key frame (0 to 9) or the trailing line (1 to 65); 0 otherwise
    friend bool operator==(const FieldId&, const FieldId&) = default;
};

// How a value stands in the file: a text as it is, a number as the writer
// formats it (a whole number from -32768 to 32767, or any number).
enum class ValueForm { Text, WholeNumber, Number };

// One field of a line: the key word written before its value and where the
// record keeps it. A header field lives in the StrokeFile, a key frame field
// in each KeyFrame; exactly one of the members is set.
struct FormatField {
    FieldKind Kind = FieldKind::WholeFile;
    std::string_view Key;
    ValueForm Form = ValueForm::Text;
    std::string StrokeFile::*Text = nullptr;
    std::int16_t StrokeFile::*Whole = nullptr;
    std::string KeyFrame::*FrameText = nullptr;
    std::int16_t KeyFrame::*FrameWhole = nullptr;
    double KeyFrame::*FrameNumber = nullptr;

    constexpr bool IsNumber() const { return Form != ValueForm::Text; }
    constexpr bool OfKeyFrame() const { return FrameText || FrameWhole || FrameNumber; }
};

constexpr FormatField Field(FieldKind kind, std::string_view key, std::string StrokeFile::*member) {
    return {.Kind = kind, .Key = key, .Form = ValueForm::Text, .Text = member};
}
constexpr FormatField Field(FieldKind kind, std::string_view key, std::int16_t StrokeFile::*member) {
    return {.Kind = kind, .Key = key, .Form = ValueForm::WholeNumber, .Whole = member};
}
constexpr FormatField Field(FieldKind kind, std::string_view key, std::string KeyFrame::*member) {
    return {.Kind = kind, .Key = key, .Form = ValueForm::Text, .FrameText = member};
}
constexpr FormatField Field(FieldKind kind, std::string_view key, std::int16_t KeyFrame::*member) {
    return {.Kind = kind, .Key = key, .Form = ValueForm::WholeNumber, .FrameWhole = member};
}
constexpr FormatField Field(FieldKind kind, std::string_view key, double KeyFrame::*member) {
    return {.Kind = kind, .Key = key, .Form = ValueForm::Number, .FrameNumber = member};
}

// Where a value starts, counted from the start of its key: after the key and
// the one space that follows it.
constexpr std::int64_t KeyAndSpace(const FormatField& field) { return static_cast<std::int64_t>(field.Key.size()) + 1; }

// A short text made at compile time (a layout line), kept where it was made.
struct FormatText {
    std::array<char, 64> Chars{};
    std::size_t Size = 0;

    constexpr void Append(std::string_view text) {
        for (const char c : text) Chars[Size++] = c;  // too long a text fails to compile
    }
    constexpr std::string_view View() const { return {Chars.data(), Size}; }
};

// The most fields one line of the format holds ("EdgeProb", "EdgeProb6",
// "EdgeProb3").
inline constexpr std::size_t MaxFieldsPerLine = 3;

// One line of fields: each field's key, a space, its value, and a space
// before the next key: "Difficulty 3 Reward x". The key frames' value lines
// start with a space.
class FormatLine {
public:
    constexpr FormatLine(std::string_view indent, std::initializer_list<FormatField> fields) : indent_(indent) {
        for (const FormatField& field : fields) {
            layout_.Append(count_ == 0 ? "" : " ");
            layout_.Append(field.Key);
            layout_.Append(field.IsNumber() ? " <number>" : " <text>");
            fields_[count_++] = field;  // MaxFieldsPerLine at most
        }
        spacedLastKey_.Append(" ");
        spacedLastKey_.Append(fields_[count_ - 1].Key);
        spacedLastKey_.Append(" ");
    }

    constexpr std::string_view Indent() const { return indent_; }
    constexpr std::span<const FormatField> Fields() const { return {fields_.data(), count_}; }
    // The line as the field reader gives it (without the spaces at its
    // start), with "<text>" or "<number>" for the values:
    // "Difficulty <text> Reward <text>".
    constexpr std::string_view Layout() const { return layout_.View(); }
    // The last key with a space on each side, as the reader looks for it
    // in a line of several fields: " Reward ".
    constexpr std::string_view SpacedLastKey() const { return spacedLastKey_.View(); }

private:
    std::string_view indent_;
    std::array<FormatField, MaxFieldsPerLine> fields_{};
    std::size_t count_ = 0;
    FormatText layout_{};
    FormatText spacedLastKey_{};
};

namespace format {

inline constexpr std::string_view FirstLine = "StrokeAttr";  // then an empty line

inline constexpr FormatLine Type{"", {Field(FieldKind::Type, "Type", &StrokeFile::Type)}};
inline constexpr FormatLine Faceing{"", {Field(FieldKind::Faceing, "Faceing", &StrokeFile::Faceing)}};
inline constexpr FormatLine Difficulty{"",
                                       {Field(FieldKind::Difficulty, "Difficulty", &StrokeFile::Difficulty),
                                        Field(FieldKind::Reward, "Reward", &StrokeFile::Reward)}};
inline constexpr FormatLine Difficulty6{"",
                                        {Field(FieldKind::Difficulty6, "Difficulty6", &StrokeFile::Difficulty6),
                                         Field(FieldKind::Reward6, "Reward6", &StrokeFile::Reward6)}};
inline constexpr FormatLine Difficulty3{"",
                                        {Field(FieldKind::Difficulty3, "Difficulty3", &StrokeFile::Difficulty3),
                                         Field(FieldKind::Reward3, "Reward3", &StrokeFile::Reward3)}};
inline constexpr FormatLine EdgeProb{"",
                                     {Field(FieldKind::EdgeProb, "EdgeProb", &StrokeFile::EdgeProb),
                                      Field(FieldKind::EdgeProb6, "EdgeProb6", &StrokeFile::EdgeProb6),
                                      Field(FieldKind::EdgeProb3, "EdgeProb3", &StrokeFile::EdgeProb3)}};
inline constexpr FormatLine BowlerTypes{"", {Field(FieldKind::BowlerTypes, "BowlerTypes", &StrokeFile::BowlerTypes)}};
inline constexpr FormatLine StumpPosition{
    "", {Field(FieldKind::StumpPosition, "StumpPosition", &StrokeFile::StumpPosition)}};
inline constexpr FormatLine BatsmanPosition{
    "", {Field(FieldKind::BatsmanPosition, "BatsmanPosition", &StrokeFile::BatsmanPosition)}};
inline constexpr FormatLine PitchPosition{
    "", {Field(FieldKind::PitchPosition, "PitchPosition", &StrokeFile::PitchPosition)}};
inline constexpr FormatLine Name{"",
                                 {Field(FieldKind::Name, "Name", &StrokeFile::Name),
                                  Field(FieldKind::Variation, "Variation", &StrokeFile::Variation)}};

// The header's lines after the first two, in file order; an empty line follows them.
inline constexpr std::array<const FormatLine*, 11> HeaderLines = {
    &Type,        &Faceing,       &Difficulty,      &Difficulty6,   &Difficulty3, &EdgeProb,
    &BowlerTypes, &StumpPosition, &BatsmanPosition, &PitchPosition, &Name};

// Each key frame block: an empty line, its mode line, its value lines. The
// normal key frames' mode line ends in the key frame's number, 0 to 4; the
// six-hit key frames' in the tag that names their timing.
inline constexpr std::string_view NormalModeKey = "Mode Normal KeyFrame";
inline constexpr FormatLine SixHitMode{"",
                                       {Field(FieldKind::KeyFrameTag, "Mode 6Hit KeyFrame", &KeyFrame::KeyFrameTag)}};

// "Range" follows the value on two lines; a field after the first on a value
// line goes by both keys: "Direction Range".
inline constexpr std::string_view RangeKey = "Range";
inline constexpr FormatLine Frame{" ", {Field(FieldKind::Frame, "Frame", &KeyFrame::Frame)}};
inline constexpr FormatLine Vertical{" ", {Field(FieldKind::Vertical, "Vertical", &KeyFrame::Vertical)}};
inline constexpr FormatLine Direction{" ",
                                      {Field(FieldKind::Direction, "Direction", &KeyFrame::Direction),
                                       Field(FieldKind::DirectionRange, RangeKey, &KeyFrame::DirectionRange)}};
inline constexpr FormatLine Power{" ",
                                  {Field(FieldKind::Power, "Power", &KeyFrame::Power),
                                   Field(FieldKind::PowerRange, RangeKey, &KeyFrame::PowerRange)}};

inline constexpr std::array<const FormatLine*, 4> KeyFrameValueLines = {&Frame, &Vertical, &Direction, &Power};

// Every line with fields: the header's, the six-hit mode line, the value lines.
inline constexpr auto LinesWithFields = [] {
    std::array<const FormatLine*, HeaderLines.size() + 1 + KeyFrameValueLines.size()> lines{};
    std::size_t at = 0;
    for (const FormatLine* line : HeaderLines) lines[at++] = line;
    lines[at++] = &SixHitMode;
    for (const FormatLine* line : KeyFrameValueLines) lines[at++] = line;
    return lines;
}();

}  // namespace format

// The lines of the layout without fields, as the field reader gives them.
namespace layout {
inline constexpr std::string_view FirstLine = format::FirstLine;
inline constexpr std::string_view EmptyLine = "";
inline constexpr FormatText NormalModeText = [] {
    FormatText text;
    text.Append(format::NormalModeKey);
    text.Append(" ");
    return text;
}();
inline constexpr std::string_view NormalMode = NormalModeText.View();  // and the key frame's number
}  // namespace layout

// The field of that kind in the format; null for a trailing line and the
// whole file.
const FormatField* FormatFieldOf(FieldKind kind);

// How messages name a field of that kind: "Reward", "Direction Range".
std::string FieldName(FieldKind kind);

// Adds one line of the format without its line end: its indent, then each
// key, a space and the value that `appendValue(out, field)` adds, with a
// space before each further key.
template <class AppendValue>
void AppendFormatLine(std::string& out, const FormatLine& line, AppendValue&& appendValue) {
    out.append(line.Indent());
    bool first = true;
    for (const FormatField& field : line.Fields()) {
        if (!first) out.append(" ");
        first = false;
        out.append(field.Key);
        out.append(" ");
        appendValue(out, field);
    }
}

// The field's value in the record as the writer writes it: a text as it is,
// a number as NumberText formats it. Throws std::out_of_range for a key
// frame or trailing line that does not exist.
std::string ValueText(const StrokeFile& stroke, const FieldId& field);
void AppendValueText(std::string& out, const StrokeFile& stroke, const FormatField& field, int keyFrame);
void AppendValueText(std::string& out, const KeyFrame& frame, const FormatField& field);

// The same as the writer writes it, which takes the stroke type and the bowler
// class code from the window's lists, not from the record.
void AppendWrittenValue(std::string& out, const StrokeFile& stroke, const FormatField& field, int keyFrame,
                        std::string_view typeText, std::int32_t bowlerCode);

// How the file names the field, for fields the window does not show: "Name",
// "Power of normal key frame 3", "Power of six-hit key frame 2" (the six-hit
// key frame's tag), "six-hit key frame 2" (its tag line), "trailing line 7".
std::string FieldFileKey(const StrokeFile& stroke, const FieldId& field);

}  // namespace orvik
