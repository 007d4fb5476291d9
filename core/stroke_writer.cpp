#include "core/stroke_writer.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/numbers.h"

namespace orvik {

namespace {

constexpr int LastTrailingLine = TrailingLineArray::Last;

// Adds one line made of its pieces, CR LF.
void WriteLine(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) out.append(piece);
    out.append("\r\n");
}

void WriteKeyFrame(std::string& out, std::string_view mode, std::string_view number, const KeyFrame& frame) {
    WriteLine(out, {mode, number});
    WriteLine(out, {" Frame ", NumberText(frame.Frame)});
    WriteLine(out, {" Vertical ", NumberText(frame.Vertical)});
    WriteLine(out, {" Direction ", NumberText(frame.Direction), " Range ", NumberText(frame.DirectionRange)});
    WriteLine(out, {" Power ", NumberText(frame.Power), " Range ", NumberText(frame.PowerRange)});
    WriteLine(out, {});
}

// The last trailing line written: the one that ends the first run of four
// empty entries after which nothing but empty entries follows, so that no
// trailing text after a run of empty entries is dropped; 65 at most.
int LastWrittenTrailingLine(const TrailingLineArray& lines) {
    int lastText = TrailingLineArray::First - 1;
    for (int i = LastTrailingLine; i >= TrailingLineArray::First && lastText < TrailingLineArray::First; --i)
        if (!lines.at(i).empty()) lastText = i;
    return std::clamp(lastText + 4, 1, LastTrailingLine);
}

}  // namespace

std::string StrokeFileText(const StrokeFile& stroke, std::string_view typeText, std::int32_t bowlerTypesCode) {
    std::string out;
    out.reserve(4096);
    WriteLine(out, {"StrokeAttr"});
    WriteLine(out, {});
    WriteLine(out, {"Type ", typeText});
    WriteLine(out, {"Faceing ", stroke.Faceing});
    WriteLine(out, {"Difficulty ", stroke.Difficulty, " Reward ", stroke.Reward});
    WriteLine(out, {"Difficulty6 ", stroke.Difficulty6, " Reward6 ", stroke.Reward6});
    WriteLine(out, {"Difficulty3 ", stroke.Difficulty3, " Reward3 ", stroke.Reward3});
    WriteLine(out, {"EdgeProb ", stroke.EdgeProb, " EdgeProb6 ", stroke.EdgeProb6, " EdgeProb3 ", stroke.EdgeProb3});
    WriteLine(out, {"BowlerTypes ", NumberText(bowlerTypesCode)});
    WriteLine(out, {"StumpPosition ", NumberText(stroke.StumpPosition)});
    WriteLine(out, {"BatsmanPosition ", NumberText(stroke.BatsmanPosition)});
    WriteLine(out, {"PitchPosition ", NumberText(stroke.PitchPosition)});
    WriteLine(out, {"Name ", stroke.Name, " Variation ", stroke.Variation});
    WriteLine(out, {});

    for (int k = 0; k < NormalKeyFrameCount; ++k)
        WriteKeyFrame(out, "Mode Normal KeyFrame ", NumberText(k), stroke.KeyFrames[static_cast<std::size_t>(k)]);

    // Every six-hit key frame the record holds, in index order, each with its
    // tag as it was found, one that names no timing too.
    for (int k = NormalKeyFrameCount; k < NormalKeyFrameCount + SixHitKeyFrameCount(stroke); ++k) {
        const KeyFrame& frame = stroke.KeyFrames[static_cast<std::size_t>(k)];
        WriteKeyFrame(out, "Mode 6Hit KeyFrame ", frame.KeyFrameTag, frame);
    }

    const int lastLine = LastWrittenTrailingLine(stroke.TrailingLines);
    for (int j = 1; j <= lastLine; ++j) WriteLine(out, {stroke.TrailingLines.at(j)});
    return out;
}

// Byte for byte, whatever the stream's formatting flags.
void WriteStrokeFile(std::ostream& out, const StrokeFile& stroke, std::string_view typeText,
                     std::int32_t bowlerTypesCode) {
    const std::string text = StrokeFileText(stroke, typeText, bowlerTypesCode);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace orvik
