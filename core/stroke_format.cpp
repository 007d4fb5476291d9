#include "core/stroke_format.h"

#include "core/numbers.h"

namespace orvik {

namespace {

// Each field of the record is on exactly one line of the format.
constexpr bool EachFieldOnce() {
    for (int kind = static_cast<int>(FieldKind::Type); kind <= static_cast<int>(FieldKind::KeyFrameTag); ++kind) {
        int found = 0;
        for (const FormatLine* line : format::LinesWithFields)
            for (const FormatField& field : line->Fields()) found += field.Kind == static_cast<FieldKind>(kind);
        if (found != 1) return false;
    }
    return true;
}
static_assert(EachFieldOnce());

// The line of the format that carries a field of that kind.
const FormatLine* FormatLineOf(FieldKind kind) {
    for (const FormatLine* line : format::LinesWithFields)
        for (const FormatField& field : line->Fields())
            if (field.Kind == kind) return line;
    return nullptr;
}

}  // namespace

const FormatField* FormatFieldOf(FieldKind kind) {
    if (const FormatLine* line = FormatLineOf(kind))
        for (const FormatField& field : line->Fields())
            if (field.Kind == kind) return &field;
    return nullptr;
}

std::string FieldName(FieldKind kind) {
    const FormatLine* line = FormatLineOf(kind);
    if (line == nullptr) return {};
    const FormatField& first = line->Fields().front();
    const FormatField& field = *FormatFieldOf(kind);
    if (field.OfKeyFrame() && &field != &first) return std::string(first.Key) + " " + std::string(field.Key);
    return std::string(field.Key);
}

void AppendValueText(std::string& out, const KeyFrame& frame, const FormatField& field) {
    if (field.FrameText)
        out += frame.*field.FrameText;
    else if (field.FrameWhole)
        out += NumberText(frame.*field.FrameWhole);
    else if (field.FrameNumber)
        out += NumberText(frame.*field.FrameNumber);
}

void AppendValueText(std::string& out, const StrokeFile& stroke, const FormatField& field, int keyFrame) {
    if (field.Text)
        out += stroke.*field.Text;
    else if (field.Whole)
        out += NumberText(stroke.*field.Whole);
    else
        AppendValueText(out, stroke.KeyFrames.at(static_cast<std::size_t>(keyFrame)), field);
}

void AppendWrittenValue(std::string& out, const StrokeFile& stroke, const FormatField& field, int keyFrame,
                        std::string_view typeText, std::int32_t bowlerCode) {
    if (field.Kind == FieldKind::Type)
        out += typeText;
    else if (field.Kind == FieldKind::BowlerTypes)
        out += NumberText(bowlerCode);
    else
        AppendValueText(out, stroke, field, keyFrame);
}

std::string ValueText(const StrokeFile& stroke, const FieldId& field) {
    if (field.Kind == FieldKind::TrailingLine) return stroke.TrailingLines.at(field.Index);
    std::string text;
    if (const FormatField* formatField = FormatFieldOf(field.Kind))
        AppendValueText(text, stroke, *formatField, field.Index);
    return text;
}

std::string FieldFileKey(const StrokeFile& stroke, const FieldId& field) {
    if (field.Kind == FieldKind::TrailingLine) return "trailing line " + std::to_string(field.Index);
    if (field.Kind == FieldKind::WholeFile) return "the stroke file";
    const FormatField* formatField = FormatFieldOf(field.Kind);
    if (!formatField->OfKeyFrame()) return FieldName(field.Kind);
    // A six-hit key frame goes by its tag, the timing it names.
    const bool sixHit = field.Index >= NormalKeyFrameCount;
    std::string frame = sixHit ? "six-hit key frame " : "normal key frame ";
    if (sixHit && field.Index < KeyFrameCount)
        frame += stroke.KeyFrames[static_cast<std::size_t>(field.Index)].KeyFrameTag;
    else
        frame += std::to_string(field.Index);
    if (field.Kind == FieldKind::KeyFrameTag) return frame;
    return FieldName(field.Kind) + " of " + frame;
}

}  // namespace orvik
