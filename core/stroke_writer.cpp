#include "core/stroke_writer.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/numbers.h"
#include "core/stroke_format.h"

namespace orvik {

namespace {

constexpr int LastTrailingLine = TrailingLineArray::Last;

// Adds one line made of its pieces, CR LF.
void WriteLine(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) out.append(piece);
    out.append("\r\n");
}

// The lines of the format with the record's values.
struct LineWriter {
    const StrokeFile& stroke;
    std::string_view typeText;
    std::int32_t bowlerTypesCode;

    void Write(std::string& out, const FormatLine& line, int keyFrame = 0) const {
        AppendFormatLine(out, line, [&](std::string& to, const FormatField& field) {
            AppendWrittenValue(to, stroke, field, keyFrame, typeText, bowlerTypesCode);
        });
        out.append("\r\n");
    }

    void WriteKeyFrameValues(std::string& out, int keyFrame) const {
        for (const FormatLine* line : format::KeyFrameValueLines) Write(out, *line, keyFrame);
        WriteLine(out, {});
    }
};

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
    const LineWriter writer{stroke, typeText, bowlerTypesCode};
    std::string out;
    out.reserve(4096);
    WriteLine(out, {format::FirstLine});
    WriteLine(out, {});
    for (const FormatLine* line : format::HeaderLines) writer.Write(out, *line);
    WriteLine(out, {});

    for (int k = 0; k < NormalKeyFrameCount; ++k) {
        WriteLine(out, {layout::NormalMode, NumberText(k)});
        writer.WriteKeyFrameValues(out, k);
    }

    // Every six-hit key frame the record holds, in index order, each with its
    // tag as it was found, one that names no timing too.
    for (int k = NormalKeyFrameCount; k < NormalKeyFrameCount + SixHitKeyFrameCount(stroke); ++k) {
        writer.Write(out, format::SixHitMode, k);
        writer.WriteKeyFrameValues(out, k);
    }

    const int lastLine = LastWrittenTrailingLine(stroke.TrailingLines);
    for (int j = 1; j <= lastLine; ++j) WriteLine(out, {stroke.TrailingLines.at(j)});
    return out;
}

}  // namespace orvik
