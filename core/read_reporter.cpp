#include "core/read_reporter.h"

namespace orvik {

namespace {

bool IsWholeNumber(FieldKind kind) {
    return kind == FieldKind::Frame || kind == FieldKind::BowlerTypes || kind == FieldKind::StumpPosition ||
           kind == FieldKind::BatsmanPosition || kind == FieldKind::PitchPosition;
}

std::string Expected(std::string_view layoutLine) {
    return layoutLine.empty() ? std::string("an empty line") : "\"" + std::string(layoutLine) + "\"";
}

}  // namespace

void ReadReporter::Add(std::int64_t line, std::string field, std::string found, std::string message,
                       std::string keeps) {
    report_.push_back({line, std::move(field), std::move(found), std::move(message), std::move(keeps)});
}

std::string ReadReporter::FileKey(const FieldId& field) const { return FieldFileKey(stroke_, field); }

void ReadReporter::LineRead(std::string_view layoutLine, std::initializer_list<FieldId> fields,
                            const std::string* line, const FieldOrigin& origin) {
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
        if (InStep())
            Add(origin_.Line, fieldCount_ > 0 ? FileKey(fields_[0]) : std::string(), "",
                origin_.Line == 1 ? "the file is empty" : "the file ends early: expected " + Expected(layoutLine));
        ended_ = true;
        return;
    }
    // The line is checked against the layout as read: the statements that
    // follow change the reader's line buffer.
    const bool sixHitMode = layoutLine == layout::SixHitMode;
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
    numberProblems_.push_back({origin_.Line, FileKey(field), std::string(text), what,
                               FileKey(field) + " keeps " + ValueShown(stroke_, field)});
}

void ReadReporter::LineDone() {
    if (!active_) return;
    active_ = false;
    if (!read_ || !InStep()) return;
    if (layout_ == layout::SixHitMode) {
        const FieldId tag = fields_[0];
        const std::string& value = stroke_.KeyFrames.at(static_cast<std::size_t>(tag.Index)).KeyFrameTag;
        if (!IsValidSixHitTag(value))
            Add(origin_.Line, FileKey(tag), text_,
                "six-hit key frame tag " + Quoted(value) + " names no timing (0 to 4); no timing uses this key frame");
        return;
    }
    if (fitsLayout_) {
        for (ReadProblem& problem : numberProblems_) report_.push_back(std::move(problem));
        return;
    }
    std::string message = "expected " + Expected(layout_) + ", found " + Quoted(text_);
    if (FitsAnotherLayoutLine(text_, layout_)) {
        message += "; a line is missing or extra here, so every later field shifts";
        outOfStep_ = true;
    }
    std::string keeps;
    for (std::size_t i = 0; i < fieldCount_; ++i)
        keeps += (i > 0 ? ", " : "") + FileKey(fields_[i]) + " keeps " + ValueShown(stroke_, fields_[i]);
    Add(origin_.Line, fieldCount_ > 0 ? FileKey(fields_[0]) : std::string(), text_, message, keeps);
}

void ReadReporter::TrailingLineRead(int index, const std::string& field, const FieldOrigin& origin) {
    CheckFieldRules(origin, field, {FieldKind::TrailingLine, index});
}

void ReadReporter::FieldAfterTrailingLines(const std::string& field, const FieldOrigin& origin) {
    if (InStep()) Add(origin.Line, "", field, "text after trailing line 65 is not kept");
}

void ReadReporter::CheckFieldRules(const FieldOrigin& origin, const std::string& field, const FieldId& fieldId) {
    if (!origin.Quoted && !origin.EndsAtComma) return;
    const std::string key = fieldId.Kind == FieldKind::WholeFile ? std::string() : FileKey(fieldId);
    if (origin.Unclosed) {
        Add(origin.Line, key, field,
            "a double quote opens a field that runs to the end of the file; every later field is lost");
        outOfStep_ = true;
    } else if (origin.LastLine > origin.Line) {
        Add(origin.Line, key, field,
            "a double quote joins lines " + std::to_string(origin.Line) + " to " + std::to_string(origin.LastLine) +
                " into one field; every later field shifts");
        outOfStep_ = true;
    } else if (origin.TextAfterQuote) {
        Add(origin.Line, key, field, "text after the closing double quote is dropped");
    }
    if (origin.EndsAtComma && origin.Line != lastCommaLine_) {
        Add(origin.Line, key, field, "a comma splits this line into two fields; every later field shifts");
        lastCommaLine_ = origin.Line;
        outOfStep_ = true;
    }
}

}  // namespace orvik
