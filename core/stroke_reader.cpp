#include "core/stroke_reader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <streambuf>
#include <string>
#include <string_view>

#include "core/field_reader.h"
#include "core/numbers.h"
#include "core/read_reporter.h"
#include "core/resume_next.h"
#include "core/stroke_format.h"
#include "core/text_ops.h"

namespace orvik {

namespace {

using text::From;
using text::Head;
using text::LastKey;

constexpr int TrailingFieldCount = 65;

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
// With a report, a ReadReporter is told each line read with the layout line
// it should be, each number that did not convert and each trailing field.
class ReaderRun {
public:
    ReaderRun(std::istream& in, StrokeFile& stroke, ReadReport* report) : fields_(in), stroke_(stroke) {
        if (report != nullptr) reporter_.emplace(*report, stroke);
    }

    void Run() {
        // Line 1 ("StrokeAttr") and line 2 are read but never looked at.
        ReadLine(layout::FirstLine);
        ReadLine(layout::EmptyLine);
        for (const FormatLine* line : format::HeaderLines) ReadFields(*line, 0);

        for (int k = 0; k < NormalKeyFrameCount; ++k) {
            ReadLine(layout::EmptyLine);  // the empty line before the block
            // "Mode Normal KeyFrame k": its number is not used
            ReadLine(NormalModeLines()[static_cast<std::size_t>(k)]);
            ReadKeyFrameValues(k);
        }
        ReadSixHitKeyFrames();
        if (reporter_) reporter_->LineDone();

        // The empty line that closes the last key frame block belongs to that
        // block, not to the trailing lines.
        bool closingLine = false;
        ResumeNext([&] { closingLine = NextFieldIsEmpty(); });
        if (closingLine) ReadLine(layout::EmptyLine);
        if (reporter_) reporter_->LineDone();
        for (int j = 1; j <= TrailingFieldCount; ++j)
            ResumeNext([&] {
                if (auto field = fields_.TryRead()) {
                    if (reporter_) reporter_->TrailingLineRead(j, *field, fields_.LastOrigin());
                    stroke_.TrailingLines.at(j) = std::move(*field);
                }
            });
        // The record keeps 65 trailing lines; a field after them is lost.
        if (reporter_ && reporter_->InStep())
            if (std::optional<std::string> more = fields_.TryRead())
                reporter_->FieldAfterTrailingLines(*more, fields_.LastOrigin());
    }

private:
    // A read past the end of the file fails and leaves the buffer as it was.
    // (Short files are common: no exception is thrown for that.)
    void ReadLine(std::string_view layoutLine, std::span<const FieldId> fields = {}) {
        if (reporter_) reporter_->LineDone();
        bool read = false;
        ResumeNext([&] {
            if (auto field = fields_.TryRead()) {
                b_ = std::move(*field);
                read = true;
            }
        });
        if (reporter_) reporter_->LineRead(layoutLine, fields, read ? &b_ : nullptr, fields_.LastOrigin());
    }

    // Reads one line of the format and cuts its values out of it, each cut
    // and each assignment a statement of its own. A line of one field is cut
    // after its key. A line of several is cut after its first key, then
    // split at its keys from the left: each value but the last ends two
    // characters before the next key, the last starts right after its key.
    // The last key is found with its spaces (" Reward ", " Range "), any
    // other without them, as the game's files were always split.
    void ReadFields(const FormatLine& line, int keyFrame) {
        const std::span<const FormatField> fields = line.Fields();
        std::array<FieldId, MaxFieldsPerLine> ids{};
        for (std::size_t i = 0; i < fields.size(); ++i) ids[i] = {fields[i].Kind, keyFrame};
        ReadLine(line.Layout(), std::span<const FieldId>(ids.data(), fields.size()));

        const std::int64_t valueStart = 1 + KeyAndSpace(fields[0]);
        if (fields.size() == 1) {
            Set(fields[0], keyFrame, [&] { return From(b_, valueStart); });
            return;
        }
        ResumeNext([&] { b_ = std::string(From(b_, valueStart)); });
        for (std::size_t i = 1; i < fields.size(); ++i) {
            const FormatField& key = fields[i];
            const bool lastKey = i + 1 == fields.size();
            if (lastKey) {
                ResumeNext([&] { p_ = LastKey(b_, line.SpacedLastKey()); });
            } else {
                ResumeNext([&] { p_ = text::Last(b_, key.Key); });
            }
            Set(fields[i - 1], keyFrame, [&] { return Head(b_, p_ - 2); });
            if (lastKey)
                Set(key, keyFrame, [&] { return From(b_, p_ + KeyAndSpace(key)); });
            else
                ResumeNext([&] { b_ = std::string(From(b_, p_ + KeyAndSpace(key))); });
        }
    }

    // A statement that sets a field from a cut of the line buffer.
    template <class Cut>
    void Set(const FormatField& field, int keyFrame, Cut&& cut) {
        if (field.Text) {
            ResumeNext([&] { stroke_.*field.Text = cut(); });
        } else if (field.FrameText) {
            ResumeNext([&] { KeyFrameOf(keyFrame).*field.FrameText = cut(); });
        } else {
            SetNumber({field.Kind, keyFrame}, cut, [&](std::string_view t) {
                if (field.Whole)
                    stroke_.*field.Whole = IntFromText(t);
                else if (field.FrameWhole)
                    KeyFrameOf(keyFrame).*field.FrameWhole = IntFromText(t);
                else
                    KeyFrameOf(keyFrame).*field.FrameNumber = DblFromText(t);
            });
        }
    }

    KeyFrame& KeyFrameOf(int k) { return stroke_.KeyFrames[static_cast<std::size_t>(k)]; }

    // A statement that sets a number from a cut of the line buffer.
    template <class Cut, class Assign>
    void SetNumber(const FieldId& field, Cut&& cut, Assign&& assign) {
        std::string_view text;
        bool notConverted = false;
        bool outOfRange = false;
        ResumeNext([&] {
            text = cut();
            try {
                assign(text);
            } catch (const ConversionError& error) {
                outOfRange = error.Kind() == ConversionFailure::Overflow;
                notConverted = true;
                throw;
            }
        });
        if (notConverted && reporter_) reporter_->NumberNotConverted(field, FieldName(field.Kind), text, outOfRange);
    }

    // The value lines of KeyFrames(k), from its Frame line on.
    void ReadKeyFrameValues(int k) {
        for (const FormatLine* line : format::KeyFrameValueLines) ReadFields(*line, k);
    }

    // Six-hit blocks are read only where one is there: an empty line followed
    // by a "Mode 6Hit KeyFrame" line. At the first place where none is, the
    // remaining six-hit key frames get an empty (invalid) tag, keep their
    // numbers, and what follows is left to the trailing lines.
    void ReadSixHitKeyFrames() {
        for (int k = NormalKeyFrameCount; k < KeyFrameCount; ++k) {
            bool blockFollows = false;
            ResumeNext([&] { blockFollows = SixHitBlockFollows(); });
            if (!blockFollows) {
                for (int rest = k; rest < KeyFrameCount; ++rest)
                    stroke_.KeyFrames[static_cast<std::size_t>(rest)].KeyFrameTag.clear();
                return;
            }
            ReadLine(layout::EmptyLine);
            ReadFields(format::SixHitMode, k);
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
        return modeLine != nullptr && modeLine->starts_with(format::SixHitMode.Fields().front().Key);
    }

    FieldReader fields_;
    StrokeFile& stroke_;
    std::string b_;       // the line buffer
    std::int64_t p_ = 0;  // the split position found last

    std::optional<ReadReporter> reporter_;  // with a report only
};

}  // namespace

void ReadStrokeFile(std::istream& in, StrokeFile& stroke, ReadReport* report) {
    for (int j = 0; j <= TrailingLineArray::Last; ++j) stroke.TrailingLines.at(j).clear();
    ReaderRun(in, stroke, report).Run();
}

namespace {

// Lets the reader read bytes in memory without copying them.
class BytesBuffer : public std::streambuf {
public:
    explicit BytesBuffer(std::string_view bytes) {
        char* begin = const_cast<char*>(bytes.data());  // only ever read
        setg(begin, begin, begin + bytes.size());
    }
};

}  // namespace

void ReadStrokeText(std::string_view bytes, StrokeFile& stroke, ReadReport* report) {
    BytesBuffer buffer(bytes);
    std::istream in(&buffer);
    ReadStrokeFile(in, stroke, report);
}

}  // namespace orvik
