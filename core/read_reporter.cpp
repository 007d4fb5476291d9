#include "core/read_reporter.h"

#include <array>
#include <utility>

#include "core/numbers.h"
#include "core/shown_text.h"
#include "core/stroke_lists.h"
#include "core/usable_values.h"

namespace orvik {

namespace {

bool IsWholeNumber(FieldKind kind) {
    const FormatField* field = FormatFieldOf(kind);
    return field != nullptr && field->Form == ValueForm::WholeNumber;
}

std::string Expected(std::string_view layoutLine) {
    return layoutLine.empty() ? std::string("an empty line") : "\"" + std::string(layoutLine) + "\"";
}

template <std::size_t N>
std::string Listed(const std::array<std::string_view, N>& names) {
    std::string listed;
    for (std::string_view name : names) listed += (listed.empty() ? "\"" : ", \"") + std::string(name) + "\"";
    return listed;
}

std::string BowlerCodes() {
    std::string listed;
    for (const BowlerClass& bowlers : BowlerClasses)
        listed += (listed.empty() ? "" : ", ") + std::to_string(bowlers.Code) + " " + std::string(bowlers.Name);
    return listed;
}

// Text the file holds for a field, where it holds any: a value of a number
// or text field is given even where it is empty, a line or a field that is
// no value only where it holds something.
std::optional<std::string> Held(std::string text) {
    if (text.empty()) return std::nullopt;
    return text;
}

}  // namespace

void ReadReporter::Add(std::string_view code, std::int64_t line, std::string field, std::optional<std::string> found,
                       std::string message, std::string keeps, std::optional<std::string> kept) {
    report_.push_back(
        {code, line, std::move(field), std::move(found), std::move(message), std::move(keeps), std::move(kept)});
}

std::string ReadReporter::FileKey(const FieldId& field) const { return FieldFileKey(stroke_, field); }

void ReadReporter::LineRead(std::string_view layoutLine, std::span<const FieldId> fields, const std::string* line,
                            const FieldOrigin& origin) {
    LineDone();
    active_ = true;
    read_ = line != nullptr;
    layout_ = layoutLine;
    origin_ = origin;
    fieldCount_ = 0;
    numberProblems_.clear();
    for (const FieldId& field : fields)
        if (fieldCount_ < std::size(fields_)) fields_[fieldCount_++] = field;
    if (!read_) {
        // Only a file from which no line at all was read is empty: a first
        // line without a line end is read, and the file ends after it.
        if (InStep())
            Add(anyLineRead_ ? problem_code::EndsEarly : problem_code::EmptyFile, origin_.Line,
                fieldCount_ > 0 ? FileKey(fields_[0]) : std::string(), std::nullopt,
                anyLineRead_ ? "the file ends early: expected " + Expected(layoutLine) : "the file is empty");
        ended_ = true;
        return;
    }
    anyLineRead_ = true;
    // The line is checked against the layout as read: the statements that
    // follow change the reader's line buffer.
    const bool sixHitMode = layoutLine == format::SixHitMode.Layout();
    fitsLayout_ = sixHitMode || FitsLayout(*line, layoutLine);
    if (!fitsLayout_ || sixHitMode) text_ = *line;
    CheckFieldRules(origin_, *line, fieldCount_ > 0 ? fields_[0] : FieldId{FieldKind::WholeFile, 0});
}

void ReadReporter::NumberNotConverted(const FieldId& field, std::string_view key, std::string_view text,
                                      bool outOfRange) {
    if (!active_ || !InStep()) return;
    std::string what = std::string(key) + " " + Quoted(text);
    if (!outOfRange)
        what += " is not a number";
    else if (IsWholeNumber(field.Kind))
        what += " is out of range (-32768 to 32767)";
    else
        what += " is out of range";
    numberProblems_.push_back({outOfRange ? problem_code::OutOfRange : problem_code::NotANumber, origin_.Line,
                               FileKey(field), std::string(text), what,
                               FileKey(field) + " keeps " + ValueShown(stroke_, field),
                               Held(ValueShown(stroke_, field))});
}

void ReadReporter::LineDone() {
    if (!active_) return;
    active_ = false;
    if (!read_ || !InStep()) return;
    if (layout_ == format::SixHitMode.Layout()) {
        const FieldId tag = fields_[0];
        const std::string& value = stroke_.KeyFrames.at(static_cast<std::size_t>(tag.Index)).KeyFrameTag;
        if (!IsValidSixHitTag(value))
            Add(problem_code::BadSixHitTag, origin_.Line, FileKey(tag), Held(text_),
                "six-hit key frame tag " + Quoted(value) + " names no timing (0 to 4); no timing uses this key frame");
        return;
    }
    if (fitsLayout_) {
        const bool numbersTaken = numberProblems_.empty();
        for (Problem& problem : numberProblems_) report_.push_back(std::move(problem));
        if (layout_ == format::Type.Layout()) CheckType();
        if (layout_ == format::EdgeProb.Layout()) CheckEdgeProbabilities();
        if (layout_ == format::BowlerTypes.Layout() && numbersTaken) CheckBowlerClass();
        return;
    }
    std::string message = "expected " + Expected(layout_) + ", found " + Quoted(text_);
    const bool outOfStep = FitsAnotherLayoutLine(text_, layout_);
    if (outOfStep) {
        message += "; a line is missing or extra here, so every later field shifts";
        outOfStep_ = true;
    }
    std::string keeps;
    for (std::size_t i = 0; i < fieldCount_; ++i)
        keeps += (i > 0 ? ", " : "") + FileKey(fields_[i]) + " keeps " + ValueShown(stroke_, fields_[i]);
    Add(outOfStep ? problem_code::LineOutOfStep : problem_code::UnexpectedLine, origin_.Line,
        fieldCount_ > 0 ? FileKey(fields_[0]) : std::string(), Held(text_), message, keeps,
        fieldCount_ > 0 ? Held(ValueShown(stroke_, fields_[0])) : std::nullopt);
}

void ReadReporter::CheckType() {
    if (IsEditorStrokeType(stroke_.Type)) return;
    const std::string key = FieldName(FieldKind::Type);
    Add(problem_code::UnknownType, origin_.Line, key, stroke_.Type,
        key + " " + Quoted(stroke_.Type) + " is none of the editor's types (" + Listed(StrokeTypes) +
            "), compared exactly: the editor shows no type for it");
}

void ReadReporter::CheckEdgeProbabilities() {
    for (const FormatField& field : format::EdgeProb.Fields()) {
        const std::string key(field.Key);
        const std::string& value = stroke_.*field.Text;
        const EdgeProbabilityFault fault = EdgeProbabilityFaultOf(value);
        if (fault == EdgeProbabilityFault::NotANumber)
            Add(problem_code::EdgeProbNotANumber, origin_.Line, key, value,
                key + " " + Quoted(value) + " is not a number; an edge probability is one from 0 to 1");
        else if (fault == EdgeProbabilityFault::OutsideZeroToOne)
            Add(problem_code::EdgeProbOutOfRange, origin_.Line, key, value,
                key + " " + Quoted(value) + " lies outside 0 to 1, where an edge probability lies");
    }
}

void ReadReporter::CheckBowlerClass() {
    if (IsBowlerClassCode(stroke_.BowlerTypes)) return;
    const std::string code = NumberText(stroke_.BowlerTypes);
    const std::string key = FieldName(FieldKind::BowlerTypes);
    Add(problem_code::UnknownBowlerClass, origin_.Line, key, code,
        key + " " + code + " is none of the editor's bowler classes (" + BowlerCodes() +
            "): the editor shows no bowler class for it");
}

void ReadReporter::TrailingLineRead(int index, const std::string& field, const FieldOrigin& origin) {
    CheckFieldRules(origin, field, {FieldKind::TrailingLine, index});
}

void ReadReporter::FieldAfterTrailingLines(const std::string& field, const FieldOrigin& origin) {
    if (InStep())
        Add(problem_code::TextAfterEnd, origin.Line, "", Held(field), "text after trailing line 65 is not kept");
}

void ReadReporter::CheckFieldRules(const FieldOrigin& origin, const std::string& field, const FieldId& fieldId) {
    if (!origin.Quoted && !origin.EndsAtComma) return;
    const std::string key = fieldId.Kind == FieldKind::WholeFile ? std::string() : FileKey(fieldId);
    if (origin.Unclosed) {
        Add(problem_code::UnclosedQuote, origin.Line, key, Held(field),
            "a double quote opens a field that runs to the end of the file; every later field is lost");
        outOfStep_ = true;
    } else if (origin.LastLine > origin.Line) {
        Add(problem_code::QuoteJoinsLines, origin.Line, key, Held(field),
            "a double quote joins lines " + std::to_string(origin.Line) + " to " + std::to_string(origin.LastLine) +
                " into one field; every later field shifts");
        outOfStep_ = true;
    } else if (origin.TextAfterQuote) {
        Add(problem_code::TextAfterQuote, origin.Line, key, Held(field),
            "text after the closing double quote is dropped");
    }
    if (origin.EndsAtComma && origin.Line != lastCommaLine_) {
        Add(problem_code::CommaSplit, origin.Line, key, Held(field),
            "a comma splits this line into two fields; every later field shifts");
        lastCommaLine_ = origin.Line;
        outOfStep_ = true;
    }
}

}  // namespace orvik
