#include "core/stroke_writer.h"

#include <string>

#include "core/numbers.h"

namespace orvik {

namespace {

constexpr int LastTrailingLine = TrailingLineArray::Last;

// Writes one line, CR LF, byte for byte whatever the stream's formatting flags.
void WriteLine(std::ostream& out, const std::string& line) {
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.write("\r\n", 2);
}

std::string Text(std::string_view s) { return std::string(s); }

void WriteKeyFrame(std::ostream& out, const std::string& modeLine, const KeyFrame& frame) {
    WriteLine(out, modeLine);
    WriteLine(out, " Frame " + NumberText(frame.Frame));
    WriteLine(out, " Vertical " + NumberText(frame.Vertical));
    WriteLine(out, " Direction " + NumberText(frame.Direction) + " Range " + NumberText(frame.DirectionRange));
    WriteLine(out, " Power " + NumberText(frame.Power) + " Range " + NumberText(frame.PowerRange));
    WriteLine(out, "");
}

// Whether the trailing lines end at index j: j and the three before it are
// empty, and nothing but empty entries follows, so that no trailing text after
// a run of empty entries is dropped.
bool TrailingLinesEndAt(const TrailingLineArray& lines, int j) {
    for (int i = j - 3; i <= j; ++i)
        if (!lines.at(i).empty()) return false;
    for (int i = j + 1; i <= LastTrailingLine; ++i)
        if (!lines.at(i).empty()) return false;
    return true;
}

}  // namespace

void WriteStrokeFile(std::ostream& out, const StrokeFile& stroke, std::string_view typeText,
                     std::int32_t bowlerTypesCode) {
    WriteLine(out, "StrokeAttr");
    WriteLine(out, "");
    WriteLine(out, "Type " + Text(typeText));
    WriteLine(out, "Faceing " + stroke.Faceing);
    WriteLine(out, "Difficulty " + stroke.Difficulty + " Reward " + stroke.Reward);
    WriteLine(out, "Difficulty6 " + stroke.Difficulty6 + " Reward6 " + stroke.Reward6);
    WriteLine(out, "Difficulty3 " + stroke.Difficulty3 + " Reward3 " + stroke.Reward3);
    WriteLine(out, "EdgeProb " + stroke.EdgeProb + " EdgeProb6 " + stroke.EdgeProb6 + " EdgeProb3 " + stroke.EdgeProb3);
    WriteLine(out, "BowlerTypes " + NumberText(bowlerTypesCode));
    WriteLine(out, "StumpPosition " + NumberText(stroke.StumpPosition));
    WriteLine(out, "BatsmanPosition " + NumberText(stroke.BatsmanPosition));
    WriteLine(out, "PitchPosition " + NumberText(stroke.PitchPosition));
    WriteLine(out, "Name " + stroke.Name + " Variation " + stroke.Variation);
    WriteLine(out, "");

    for (int k = 0; k < NormalKeyFrameCount; ++k)
        WriteKeyFrame(out, "Mode Normal KeyFrame " + NumberText(k), stroke.KeyFrames[static_cast<std::size_t>(k)]);

    // Six-hit key frames in index order, up to the first one that names no timing.
    for (int k = NormalKeyFrameCount; k < KeyFrameCount; ++k) {
        const KeyFrame& frame = stroke.KeyFrames[static_cast<std::size_t>(k)];
        if (!IsValidSixHitTag(frame.KeyFrameTag)) break;
        WriteKeyFrame(out, "Mode 6Hit KeyFrame " + frame.KeyFrameTag, frame);
    }

    for (int j = 1; j <= LastTrailingLine; ++j) {
        WriteLine(out, stroke.TrailingLines.at(j));
        if (TrailingLinesEndAt(stroke.TrailingLines, j)) break;
    }
}

}  // namespace orvik
