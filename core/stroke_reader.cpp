#include "core/stroke_reader.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/field_reader.h"
#include "core/numbers.h"
#include "core/resume_next.h"
#include "core/text_ops.h"

namespace orvik {

namespace {

using text::From;
using text::Head;
using text::LastKey;

constexpr std::string_view SixHitKey = "Mode 6Hit KeyFrame";
constexpr int TrailingFieldCount = 65;

FieldId Id(FieldKind kind, int index = 0) { return {kind, index}; }

bool IsWholeNumber(FieldKind kind) {
    return kind == FieldKind::Frame || kind == FieldKind::BowlerTypes || kind == FieldKind::StumpPosition ||
           kind == FieldKind::BatsmanPosition || kind == FieldKind::PitchPosition;
}

// "Mode Normal KeyFrame 0" to "Mode Normal KeyFrame 4".
const std::array<std::string, NormalKeyFrameCount>& NormalModeLines() {
    static const std::array<std::string, NormalKeyFrameCount> lines = [] {
        std::array<std::string, NormalKeyFrameCount> made;
        for (int k = 0; k < NormalKeyFrameCount; ++k)
            made[static_cast<std::size_t>(k)] = std::string(layout::NormalMode) + std::to_string(k);
        return made;
    }();
    return lines;
}

// One run of the reader over one file. Every read and every assignment is a
// statement of its own through ResumeNext: a read that fails leaves the line
// buffer as it was, an assignment that fails leaves its field as it was, and
// the next statement runs on whatever the buffer then holds.
//
// With a report, each line read is held with the layout line it should be
// until the next line is read, and is then checked with the values its
// statements left in the record.
class ReaderRun {
public:
    ReaderRun(std::istream& in, StrokeFile& stroke, ReadReport* report)
        : fields_(in), stroke_(stroke), report_(report) {}

    void Run() {
        // Line 1 ("StrokeAttr") and line 2 are read but never looked at.
        ReadLine(layout::FirstLine);
        ReadLine(layout::EmptyLine);
        ReadLine(layout::Type, {Id(FieldKind::Type)});
        Do([&] { stroke_.Type = From(b_, 6); });
        ReadLine(layout::Faceing, {Id(FieldKind::Faceing)});
        Do([&] { stroke_.Faceing = From(b_, 9); });
        ReadValuePair(layout::Difficulty, 12, " Reward ", Id(FieldKind::Difficulty), Id(FieldKind::Reward),
                      stroke_.Difficulty, stroke_.Reward);
        ReadValuePair(layout::Difficulty6, 13, " Reward6 ", Id(FieldKind::Difficulty6), Id(FieldKind::Reward6),
                      stroke_.Difficulty6, stroke_.Reward6);
        ReadValuePair(layout::Difficulty3, 13, " Reward3 ", Id(FieldKind::Difficulty3), Id(FieldKind::Reward3),
                      stroke_.Difficulty3, stroke_.Reward3);
        ReadEdgeProbabilities();
        ReadLine(layout::BowlerTypes, {Id(FieldKind::BowlerTypes)});
        SetNumber(Id(FieldKind::BowlerTypes), "BowlerTypes", [&] { return From(b_, 13); },
                  [&](std::string_view t) { stroke_.BowlerTypes = IntFromText(t); });
        ReadLine(layout::StumpPosition, {Id(FieldKind::StumpPosition)});
        SetNumber(Id(FieldKind::StumpPosition), "StumpPosition", [&] { return From(b_, 15); },
                  [&](std::string_view t) { stroke_.StumpPosition = IntFromText(t); });
        ReadLine(layout::BatsmanPosition, {Id(FieldKind::BatsmanPosition)});
        SetNumber(Id(FieldKind::BatsmanPosition), "BatsmanPosition", [&] { return From(b_, 17); },
                  [&](std::string_view t) { stroke_.BatsmanPosition = IntFromText(t); });
        ReadLine(layout::PitchPosition, {Id(FieldKind::PitchPosition)});
        SetNumber(Id(FieldKind::PitchPosition), "PitchPosition", [&] { return From(b_, 15); },
                  [&](std::string_view t) { stroke_.PitchPosition = IntFromText(t); });
        ReadValuePair(layout::Name, 6, " Variation ", Id(FieldKind::Name), Id(FieldKind::Variation), stroke_.Name,
                      stroke_.Variation);

        for (int k = 0; k < NormalKeyFrameCount; ++k) {
            ReadLine(layout::EmptyLine);  // the empty line before the block
            // "Mode Normal KeyFrame k": its number is not used
            ReadLine(NormalModeLines()[static_cast<std::size_t>(k)]);
            ReadLine(layout::Frame, {Id(FieldKind::Frame, k)});
            ReadKeyFrameValues(k);
        }
        ReadSixHitKeyFrames();
        FinishLine();

        // The empty line that closes the last key frame block belongs to that
        // block, not to the trailing lines.
        bool closingLine = false;
        Do([&] { closingLine = NextFieldIsEmpty(); });
        if (closingLine) ReadLine(layout::EmptyLine);
        FinishLine();
        for (int j = 1; j <= TrailingFieldCount; ++j)
            Do([&] {
                if (auto field = fields_.TryRead()) {
                    if (report_) CheckFieldRules(fields_.LastOrigin(), *field, Id(FieldKind::TrailingLine, j));
                    stroke_.TrailingLines.at(j) = std::move(*field);
                }
            });
        if (report_) CheckNothingFollows();
    }

private:
    // The line read last, while its statements run.
    struct LineInProgress {
        bool Active = false;
        bool Read = false;
        bool FitsLayout = true;
        std::string Text;  // the line as read, kept only where it is needed for a report
        std::string_view Layout;
        FieldOrigin Origin;
        std::array<FieldId, 2> Fields{};
        std::size_t FieldCount = 0;
        ReadReport NumberProblems;
    };

    template <class Statement>
    static bool Do(Statement&& statement) {
        return ResumeNext(std::forward<Statement>(statement));
    }

    // A read past the end of the file fails and leaves the buffer as it was.
    // (Short files are common: no exception is thrown for that.)
    void ReadLine(std::string_view layoutLine, std::initializer_list<FieldId> fields = {}) {
        if (report_) FinishLine();
        bool read = false;
        Do([&] {
            if (auto field = fields_.TryRead()) {
                b_ = std::move(*field);
                read = true;
            }
        });
        if (report_) StartLine(layoutLine, fields, read);
    }

    // A statement that sets a number from a cut of the line buffer.
    template <class Cut, class Set>
    void SetNumber(const FieldId& field, std::string_view key, Cut&& cut, Set&& set) {
        std::string_view text;
        bool notConverted = false;
        bool outOfRange = false;
        Do([&] {
            text = cut();
            try {
                set(text);
            } catch (const ConversionError& error) {
                // The conversions' own word for a number out of range.
                outOfRange = std::string_view(error.what()) == "overflow";
                notConverted = true;
                throw;
            }
        });
        if (notConverted && report_) AddNumberProblem(field, key, text, outOfRange);
    }

    // A line "<key> left <Key> right": the left value ends two characters
    // before the last key, the right value starts right after it.
    void ReadValuePair(std::string_view layoutLine, std::int64_t valueStart, std::string_view spacedKey,
                       const FieldId& leftField, const FieldId& rightField, std::string& left, std::string& right) {
        const auto keyLength = static_cast<std::int64_t>(spacedKey.size()) - 1;
        ReadLine(layoutLine, {leftField, rightField});
        Do([&] { b_ = std::string(From(b_, valueStart)); });
        Do([&] { p_ = LastKey(b_, spacedKey); });
        Do([&] { left = Head(b_, p_ - 2); });
        Do([&] { right = From(b_, p_ + keyLength); });
    }

    void ReadEdgeProbabilities() {
        ReadLine(layout::EdgeProb, {Id(FieldKind::EdgeProb), Id(FieldKind::EdgeProb6)});
        Do([&] { b_ = std::string(From(b_, 10)); });
        Do([&] { p_ = text::Last(b_, "EdgeProb6"); });
        Do([&] { stroke_.EdgeProb = Head(b_, p_ - 2); });
        Do([&] { b_ = std::string(From(b_, p_ + 10)); });
        Do([&] { p_ = LastKey(b_, " EdgeProb3 "); });
        Do([&] { stroke_.EdgeProb6 = Head(b_, p_ - 2); });
        Do([&] { stroke_.EdgeProb3 = From(b_, p_ + 10); });
    }

    // The frame line of KeyFrames(k) is already in the buffer.
    void ReadKeyFrameValues(int k) {
        KeyFrame& frame = stroke_.KeyFrames[static_cast<std::size_t>(k)];
        SetNumber(Id(FieldKind::Frame, k), "Frame", [&] { return From(b_, 7); },
                  [&](std::string_view t) { frame.Frame = IntFromText(t); });
        ReadLine(layout::Vertical, {Id(FieldKind::Vertical, k)});
        SetNumber(Id(FieldKind::Vertical, k), "Vertical", [&] { return From(b_, 10); },
                  [&](std::string_view t) { frame.Vertical = DblFromText(t); });
        ReadLine(layout::Direction, {Id(FieldKind::Direction, k), Id(FieldKind::DirectionRange, k)});
        Do([&] { b_ = std::string(From(b_, 11)); });
        Do([&] { p_ = LastKey(b_, " Range "); });
        SetNumber(Id(FieldKind::Direction, k), "Direction", [&] { return Head(b_, p_ - 2); },
                  [&](std::string_view t) { frame.Direction = DblFromText(t); });
        SetNumber(Id(FieldKind::DirectionRange, k), "Direction Range", [&] { return From(b_, p_ + 6); },
                  [&](std::string_view t) { frame.DirectionRange = DblFromText(t); });
        ReadLine(layout::Power, {Id(FieldKind::Power, k), Id(FieldKind::PowerRange, k)});
        Do([&] { b_ = std::string(From(b_, 7)); });
        Do([&] { p_ = LastKey(b_, " Range "); });
        SetNumber(Id(FieldKind::Power, k), "Power", [&] { return Head(b_, p_ - 2); },
                  [&](std::string_view t) { frame.Power = DblFromText(t); });
        SetNumber(Id(FieldKind::PowerRange, k), "Power Range", [&] { return From(b_, p_ + 6); },
                  [&](std::string_view t) { frame.PowerRange = DblFromText(t); });
    }

    // Six-hit blocks are read only where one is there: an empty line followed
    // by a "Mode 6Hit KeyFrame" line. At the first place where none is, the
    // remaining six-hit key frames get an empty (invalid) tag, keep their
    // numbers, and what follows is left to the trailing lines.
    void ReadSixHitKeyFrames() {
        for (int k = NormalKeyFrameCount; k < KeyFrameCount; ++k) {
            KeyFrame& frame = stroke_.KeyFrames[static_cast<std::size_t>(k)];
            bool blockFollows = false;
            Do([&] { blockFollows = SixHitBlockFollows(); });
            if (!blockFollows) {
                for (int rest = k; rest < KeyFrameCount; ++rest)
                    stroke_.KeyFrames[static_cast<std::size_t>(rest)].KeyFrameTag.clear();
                return;
            }
            ReadLine(layout::EmptyLine);
            ReadLine(layout::SixHitMode, {Id(FieldKind::KeyFrameTag, k)});
            Do([&] { frame.KeyFrameTag = From(b_, 20); });
            ReadLine(layout::Frame, {Id(FieldKind::Frame, k)});
            ReadKeyFrameValues(k);
        }
    }

    bool NextFieldIsEmpty() {
        const std::string* next = fields_.Peek(0);
        return next != nullptr && next->empty();
    }

    bool SixHitBlockFollows() {
        if (!NextFieldIsEmpty()) return false;
        const std::string* modeLine = fields_.Peek(1);
        return modeLine != nullptr && modeLine->starts_with(SixHitKey);
    }

    // The rest reports; it runs only with a report.

    // Whether the fields are still in step with the layout, so that a line
    // that does not fit it is a fault of that line.
    bool InStep() const { return !outOfStep_ && !ended_; }

    void Add(std::int64_t line, std::string field, std::string found, std::string message, std::string keeps = {}) {
        report_->push_back({line, std::move(field), std::move(found), std::move(message), std::move(keeps)});
    }

    std::string FileKey(const FieldId& field) const { return FieldFileKey(stroke_, field); }

    void StartLine(std::string_view layoutLine, std::initializer_list<FieldId> fields, bool read) {
        line_.Active = true;
        line_.Read = read;
        line_.Layout = layoutLine;
        line_.Origin = fields_.LastOrigin();
        line_.FieldCount = 0;
        line_.NumberProblems.clear();
        for (const FieldId& field : fields)
            if (line_.FieldCount < line_.Fields.size()) line_.Fields[line_.FieldCount++] = field;
        if (!read) {
            if (InStep()) {
                const std::string expected =
                    layoutLine.empty() ? std::string("an empty line") : "\"" + std::string(layoutLine) + "\"";
                Add(line_.Origin.Line, line_.FieldCount > 0 ? FileKey(line_.Fields[0]) : std::string(), "",
                    line_.Origin.Line == 1 ? "the file is empty" : "the file ends early: expected " + expected);
            }
            ended_ = true;
            return;
        }
        // The line is checked against the layout as read; its statements
        // change the buffer.
        const bool sixHitMode = layoutLine == layout::SixHitMode;
        line_.FitsLayout = sixHitMode || FitsLayout(b_, layoutLine);
        if (!line_.FitsLayout || sixHitMode) line_.Text = b_;
        CheckFieldRules(line_.Origin, b_, line_.FieldCount > 0 ? line_.Fields[0] : Id(FieldKind::WholeFile));
    }

    // A comma or a double quote that cuts a line otherwise than the layout does.
    void CheckFieldRules(const FieldOrigin& origin, const std::string& field, const FieldId& fieldId) {
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

    void AddNumberProblem(const FieldId& field, std::string_view key, std::string_view text, bool outOfRange) {
        if (!line_.Active || !InStep()) return;
        std::string what = std::string(key) + " " + Quoted(text);
        if (!outOfRange)
            what += " is not a number";
        else if (IsWholeNumber(field.Kind))
            what += " is out of range (-32768 to 32767)";
        else
            what += " is out of range";
        line_.NumberProblems.push_back({line_.Origin.Line, FileKey(field), std::string(text), what,
                                        FileKey(field) + " keeps " + ValueShown(stroke_, field)});
    }

    // Checks the line read last against its layout line, now that its
    // statements have run.
    void FinishLine() {
        if (!line_.Active) return;
        line_.Active = false;
        if (!line_.Read || !InStep()) return;
        const std::int64_t at = line_.Origin.Line;
        if (line_.Layout == layout::SixHitMode) {
            const FieldId tag = line_.Fields[0];
            const std::string& value = stroke_.KeyFrames.at(static_cast<std::size_t>(tag.Index)).KeyFrameTag;
            if (!IsValidSixHitTag(value) && !sixHitTagReported_) {
                Add(at, FileKey(tag), line_.Text,
                    "six-hit key frame tag " + Quoted(value) +
                        " names no timing (0 to 4); a save drops this key frame and the ones after it");
                sixHitTagReported_ = true;
            }
            return;
        }
        if (line_.FitsLayout) {
            for (ReadProblem& problem : line_.NumberProblems) report_->push_back(std::move(problem));
            return;
        }
        std::string message =
            "expected " + (line_.Layout.empty() ? std::string("an empty line") : "\"" + std::string(line_.Layout) + "\"") +
            ", found " + Quoted(line_.Text);
        if (FitsAnotherLayoutLine(line_.Text, line_.Layout)) {
            message += "; a line is missing or extra here, so every later field shifts";
            outOfStep_ = true;
        }
        std::string keeps;
        for (std::size_t i = 0; i < line_.FieldCount; ++i)
            keeps += (i > 0 ? ", " : "") + FileKey(line_.Fields[i]) + " keeps " + ValueShown(stroke_, line_.Fields[i]);
        Add(at, line_.FieldCount > 0 ? FileKey(line_.Fields[0]) : std::string(), line_.Text, message, keeps);
    }

    // The record keeps 65 trailing lines; a field after them is lost.
    void CheckNothingFollows() {
        if (!InStep()) return;
        if (std::optional<std::string> more = fields_.TryRead())
            Add(fields_.LastOrigin().Line, "", *more, "text after trailing line 65 is not kept");
    }

    FieldReader fields_;
    StrokeFile& stroke_;
    std::string b_;        // the line buffer
    std::int64_t p_ = 0;   // the split position found last

    ReadReport* report_;
    LineInProgress line_;
    bool outOfStep_ = false;
    bool ended_ = false;
    bool sixHitTagReported_ = false;
    std::int64_t lastCommaLine_ = 0;
};

}  // namespace

void ReadStrokeFile(std::istream& in, StrokeFile& stroke, ReadReport* report) {
    for (int j = 0; j <= TrailingLineArray::Last; ++j) stroke.TrailingLines.at(j).clear();
    ReaderRun(in, stroke, report).Run();
}

}  // namespace orvik
