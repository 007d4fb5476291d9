#include "core/save_check.h"

#include <utility>
#include <vector>

#include "core/numbers.h"
#include "core/shown_text.h"
#include "core/stroke_reader.h"
#include "core/stroke_writer.h"

namespace orvik {
namespace {

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
    std::vector<FieldText> fields;
    const auto add = [&](const FormatLine& line, int k) {
        for (const FormatField& field : line.Fields()) {
            std::string text;
            AppendWrittenValue(text, s, field, k, typeText, bowlerCode);
            fields.push_back({{field.Kind, k}, std::move(text), field.IsNumber()});
        }
    };
    for (const FormatLine* line : format::HeaderLines) add(*line, 0);
    for (int k = 0; k < NormalKeyFrameCount + SixHitKeyFrameCount(s); ++k) {
        if (k >= NormalKeyFrameCount) add(format::SixHitMode, k);
        for (const FormatLine* line : format::KeyFrameValueLines) add(*line, k);
    }
    for (int j = 1; j <= TrailingLineArray::Last; ++j)
        fields.push_back({{FieldKind::TrailingLine, j}, s.TrailingLines.at(j), false});
    return fields;
}

bool IsEdgeProbability(const FieldId& field) {
    return field.Kind == FieldKind::EdgeProb || field.Kind == FieldKind::EdgeProb6 ||
           field.Kind == FieldKind::EdgeProb3;
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

}  // namespace

std::vector<FieldProblem> FieldsThatWouldNotReadBack(const StrokeFile& stroke, std::string_view typeText,
                                                     std::int32_t bowlerCode, std::string_view written) {
    std::vector<FieldProblem> problems;
    if (static_cast<std::int64_t>(written.size()) > MaxStrokeFileSize)
        problems.push_back(
            {{FieldKind::WholeFile}, "it would take " + OverSizeLimitText(static_cast<std::int64_t>(written.size()))});

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
            causes.push_back({before[i].Field, "a stroke file would give it back as " + Quoted(back)});
    }
    problems.insert(problems.end(), causes.begin(), causes.end());
    return problems;
}

std::vector<FieldProblem> FieldsThatWouldNotReadBack(const StrokeFile& stroke, std::string_view typeText,
                                                     std::int32_t bowlerCode) {
    return FieldsThatWouldNotReadBack(stroke, typeText, bowlerCode, StrokeFileText(stroke, typeText, bowlerCode));
}

}  // namespace orvik
