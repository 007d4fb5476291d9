#pragma once
// Follows the reader through one stroke file and adds to a report each step
// that did not go as the layout says. The reader tells it each line it reads,
// each number its statements could not take and each trailing field; it only
// looks at the record, never changes it.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/field_reader.h"
#include "core/read_report.h"
#include "core/stroke_file.h"
#include "core/stroke_format.h"

namespace orvik {

class ReadReporter {
public:
    ReadReporter(ReadReport& report, const StrokeFile& stroke) : report_(report), stroke_(stroke) {}

    // A line read for `layoutLine` into `fields` (at most MaxFieldsPerLine); `line` is null
    // where the file has no line left. The line read before it is done.
    void LineRead(std::string_view layoutLine, std::span<const FieldId> fields, const std::string* line,
                  const FieldOrigin& origin);
    // A number of the line read last that did not convert: `outOfRange` where
    // the text is a number, only too large.
    void NumberNotConverted(const FieldId& field, std::string_view key, std::string_view text, bool outOfRange);
    // The statements of the line read last have run: it is checked against
    // its layout line with the values they left.
    void LineDone();
    void TrailingLineRead(int index, const std::string& field, const FieldOrigin& origin);
    // A field after the last trailing line, which the record does not keep.
    void FieldAfterTrailingLines(const std::string& field, const FieldOrigin& origin);

    // Whether the fields are still in step with the layout, so that a line
    // that does not fit it is a fault of that line. Once a comma splits a
    // line or a line is missing or extra, only what the field rules do to the
    // lines is reported: the rest follows from that.
    bool InStep() const { return !outOfStep_ && !ended_; }

private:
    void Add(std::string_view code, std::int64_t line, std::string field, std::optional<std::string> found,
             std::string message, std::string keeps = {}, std::optional<std::string> kept = {});
    // Values that read as the layout says but that the editor or the game
    // cannot use, on the line read last.
    void CheckType();
    void CheckEdgeProbabilities();
    void CheckBowlerClass();
    std::string FileKey(const FieldId& field) const;
    // A comma or a double quote that cuts a line otherwise than the layout does.
    void CheckFieldRules(const FieldOrigin& origin, const std::string& field, const FieldId& fieldId);

    ReadReport& report_;
    const StrokeFile& stroke_;

    // The line read last, until its statements have run.
    bool active_ = false;
    bool read_ = false;
    bool fitsLayout_ = true;
    std::string text_;  // the line as read, kept only where a report may need it
    std::string_view layout_;
    FieldOrigin origin_;
    FieldId fields_[MaxFieldsPerLine]{};
    std::size_t fieldCount_ = 0;
    ReadReport numberProblems_;  // reported once the line is found to fit its layout

    bool anyLineRead_ = false;
    bool outOfStep_ = false;
    bool ended_ = false;
    std::int64_t lastCommaLine_ = 0;
};

}  // namespace orvik
