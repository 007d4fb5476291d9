#include "core/stroke_reader.h"

#include <cstdint>
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

// One run of the reader over one file. Every read and every assignment is a
// statement of its own through ResumeNext: a read that fails leaves the line
// buffer as it was, an assignment that fails leaves its field as it was, and
// the next statement runs on whatever the buffer then holds.
class ReaderRun {
public:
    ReaderRun(std::istream& in, StrokeFile& stroke) : fields_(in), stroke_(stroke) {}

    void Run() {
        // Line 1 ("StrokeAttr") and line 2 are read but never looked at.
        ReadLine();
        ReadLine();
        ReadLine();
        Do([&] { stroke_.Type = From(b_, 6); });
        ReadLine();
        Do([&] { stroke_.Faceing = From(b_, 9); });
        ReadValuePair(12, " Reward ", stroke_.Difficulty, stroke_.Reward);
        ReadValuePair(13, " Reward6 ", stroke_.Difficulty6, stroke_.Reward6);
        ReadValuePair(13, " Reward3 ", stroke_.Difficulty3, stroke_.Reward3);
        ReadEdgeProbabilities();
        ReadLine();
        Do([&] { stroke_.BowlerTypes = IntFromText(From(b_, 13)); });
        ReadLine();
        Do([&] { stroke_.StumpPosition = IntFromText(From(b_, 15)); });
        ReadLine();
        Do([&] { stroke_.BatsmanPosition = IntFromText(From(b_, 17)); });
        ReadLine();
        Do([&] { stroke_.PitchPosition = IntFromText(From(b_, 15)); });
        ReadValuePair(6, " Variation ", stroke_.Name, stroke_.Variation);

        for (int k = 0; k < NormalKeyFrameCount; ++k) {
            ReadLine();  // the empty line before the block
            ReadLine();  // "Mode Normal KeyFrame k": its number is not used
            ReadLine();
            ReadKeyFrameValues(stroke_.KeyFrames[static_cast<std::size_t>(k)]);
        }
        ReadSixHitKeyFrames();

        // The empty line that closes the last key frame block belongs to that
        // block, not to the trailing lines.
        bool closingLine = false;
        Do([&] { closingLine = NextFieldIsEmpty(); });
        if (closingLine) ReadLine();
        for (int j = 1; j <= TrailingFieldCount; ++j)
            Do([&] {
                if (auto field = fields_.TryRead()) stroke_.TrailingLines.at(j) = std::move(*field);
            });
    }

private:
    template <class Statement>
    static void Do(Statement&& statement) {
        ResumeNext(std::forward<Statement>(statement));
    }

    // A read past the end of the file fails and leaves the buffer as it was.
    // (Short files are common: no exception is thrown for that.)
    void ReadLine() {
        Do([&] {
            if (auto field = fields_.TryRead()) b_ = std::move(*field);
        });
    }

    // A line "<key> left <Key> right": the left value ends two characters
    // before the last key, the right value starts right after it.
    void ReadValuePair(std::int64_t valueStart, std::string_view spacedKey, std::string& left, std::string& right) {
        const auto keyLength = static_cast<std::int64_t>(spacedKey.size()) - 1;
        ReadLine();
        Do([&] { b_ = std::string(From(b_, valueStart)); });
        Do([&] { p_ = LastKey(b_, spacedKey); });
        Do([&] { left = Head(b_, p_ - 2); });
        Do([&] { right = From(b_, p_ + keyLength); });
    }

    void ReadEdgeProbabilities() {
        ReadLine();
        Do([&] { b_ = std::string(From(b_, 10)); });
        Do([&] { p_ = text::Last(b_, "EdgeProb6"); });
        Do([&] { stroke_.EdgeProb = Head(b_, p_ - 2); });
        Do([&] { b_ = std::string(From(b_, p_ + 10)); });
        Do([&] { p_ = LastKey(b_, " EdgeProb3 "); });
        Do([&] { stroke_.EdgeProb6 = Head(b_, p_ - 2); });
        Do([&] { stroke_.EdgeProb3 = From(b_, p_ + 10); });
    }

    // The frame line is already in the buffer.
    void ReadKeyFrameValues(KeyFrame& frame) {
        Do([&] { frame.Frame = IntFromText(From(b_, 7)); });
        ReadLine();
        Do([&] { frame.Vertical = DblFromText(From(b_, 10)); });
        ReadLine();
        Do([&] { b_ = std::string(From(b_, 11)); });
        Do([&] { p_ = LastKey(b_, " Range "); });
        Do([&] { frame.Direction = DblFromText(Head(b_, p_ - 2)); });
        Do([&] { frame.DirectionRange = DblFromText(From(b_, p_ + 6)); });
        ReadLine();
        Do([&] { b_ = std::string(From(b_, 7)); });
        Do([&] { p_ = LastKey(b_, " Range "); });
        Do([&] { frame.Power = DblFromText(Head(b_, p_ - 2)); });
        Do([&] { frame.PowerRange = DblFromText(From(b_, p_ + 6)); });
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
            ReadLine();
            ReadLine();
            Do([&] { frame.KeyFrameTag = From(b_, 20); });
            ReadLine();
            ReadKeyFrameValues(frame);
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
};

}  // namespace

void ReadStrokeFile(std::istream& in, StrokeFile& stroke) {
    for (int j = 0; j <= TrailingLineArray::Last; ++j) stroke.TrailingLines.at(j).clear();
    ReaderRun(in, stroke).Run();
}

}  // namespace orvik
