#include "core/stroke_reader.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

#include "core/field_reader.h"
#include "core/numbers.h"
#include "core/read_reporter.h"
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
        ReadLine(layout::Type, {Id(FieldKind::Type)});
        ResumeNext([&] { stroke_.Type = From(b_, 6); });
        ReadLine(layout::Faceing, {Id(FieldKind::Faceing)});
        ResumeNext([&] { stroke_.Faceing = From(b_, 9); });
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
    void ReadLine(std::string_view layoutLine, std::initializer_list<FieldId> fields = {}) {
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

    // A statement that sets a number from a cut of the line buffer.
    template <class Cut, class Set>
    void SetNumber(const FieldId& field, std::string_view key, Cut&& cut, Set&& set) {
        std::string_view text;
        bool notConverted = false;
        bool outOfRange = false;
        ResumeNext([&] {
            text = cut();
            try {
                set(text);
            } catch (const ConversionError& error) {
                outOfRange = error.Kind() == ConversionFailure::Overflow;
                notConverted = true;
                throw;
            }
        });
        if (notConverted && reporter_) reporter_->NumberNotConverted(field, key, text, outOfRange);
    }

    // A line "<key> left <Key> right": the left value ends two characters
    // before the last key, the right value starts right after it.
    void ReadValuePair(std::string_view layoutLine, std::int64_t valueStart, std::string_view spacedKey,
                       const FieldId& leftField, const FieldId& rightField, std::string& left, std::string& right) {
        const auto keyLength = static_cast<std::int64_t>(spacedKey.size()) - 1;
        ReadLine(layoutLine, {leftField, rightField});
        ResumeNext([&] { b_ = std::string(From(b_, valueStart)); });
        ResumeNext([&] { p_ = LastKey(b_, spacedKey); });
        ResumeNext([&] { left = Head(b_, p_ - 2); });
        ResumeNext([&] { right = From(b_, p_ + keyLength); });
    }

    void ReadEdgeProbabilities() {
        ReadLine(layout::EdgeProb, {Id(FieldKind::EdgeProb), Id(FieldKind::EdgeProb6)});
        ResumeNext([&] { b_ = std::string(From(b_, 10)); });
        ResumeNext([&] { p_ = text::Last(b_, "EdgeProb6"); });
        ResumeNext([&] { stroke_.EdgeProb = Head(b_, p_ - 2); });
        ResumeNext([&] { b_ = std::string(From(b_, p_ + 10)); });
        ResumeNext([&] { p_ = LastKey(b_, " EdgeProb3 "); });
        ResumeNext([&] { stroke_.EdgeProb6 = Head(b_, p_ - 2); });
        ResumeNext([&] { stroke_.EdgeProb3 = From(b_, p_ + 10); });
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
        ResumeNext([&] { b_ = std::string(From(b_, 11)); });
        ResumeNext([&] { p_ = LastKey(b_, " Range "); });
        SetNumber(Id(FieldKind::Direction, k), "Direction", [&] { return Head(b_, p_ - 2); },
                  [&](std::string_view t) { frame.Direction = DblFromText(t); });
        SetNumber(Id(FieldKind::DirectionRange, k), "Direction Range", [&] { return From(b_, p_ + 6); },
                  [&](std::string_view t) { frame.DirectionRange = DblFromText(t); });
        ReadLine(layout::Power, {Id(FieldKind::Power, k), Id(FieldKind::PowerRange, k)});
        ResumeNext([&] { b_ = std::string(From(b_, 7)); });
        ResumeNext([&] { p_ = LastKey(b_, " Range "); });
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
            ResumeNext([&] { blockFollows = SixHitBlockFollows(); });
            if (!blockFollows) {
                for (int rest = k; rest < KeyFrameCount; ++rest)
                    stroke_.KeyFrames[static_cast<std::size_t>(rest)].KeyFrameTag.clear();
                return;
            }
            ReadLine(layout::EmptyLine);
            ReadLine(layout::SixHitMode, {Id(FieldKind::KeyFrameTag, k)});
            ResumeNext([&] { frame.KeyFrameTag = From(b_, 20); });
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

    FieldReader fields_;
    StrokeFile& stroke_;
    std::string b_;        // the line buffer
    std::int64_t p_ = 0;   // the split position found last

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
