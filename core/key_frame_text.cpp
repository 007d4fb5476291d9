#include "core/key_frame_text.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <vector>

#include "core/numbers.h"
#include "core/resume_next.h"
#include "core/shown_text.h"
#include "core/stroke_format.h"
#include "core/text_lines.h"

namespace orvik {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool IsBlankLine(std::string_view line) { return Words(line).empty(); }

// The line as a message quotes it, without the blanks around it.
std::string QuotedLine(std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty()) return "an empty line";
    const char* first = words.front().data();
    return Quoted(std::string_view(first, static_cast<std::size_t>(words.back().data() + words.back().size() - first)));
}

// What a value line should hold, for messages: "\"Frame\" and a whole number
// from -32768 to 32767", "\"Direction\", a number, \"Range\" and a number".
std::string Expected(const FormatLine& line) {
    std::vector<std::string> parts;
    for (const FormatField& field : line.Fields()) {
        parts.push_back("\"" + std::string(field.Key) + "\"");
        parts.push_back(field.Form == ValueForm::WholeNumber ? "a whole number from -32768 to 32767" : "a number");
    }
    std::string expected = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) expected += (i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return expected;
}

// Reads one value line into `keyFrame`: each key word followed by a number.
// The Frame is a whole number from -32768 to 32767, read as the reader reads
// it (12.5 gives 12). False when the line is not of that form.
bool ReadValueLine(std::string_view line, const FormatLine& form, KeyFrame& keyFrame) {
    const std::vector<std::string_view> words = Words(line);
    const std::span<const FormatField> fields = form.Fields();
    if (words.size() != 2 * fields.size()) return false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FormatField& field = fields[i];
        if (words[2 * i] != field.Key) return false;
        const std::string_view number = words[2 * i + 1];
        const bool read = ResumeNext([&] {
            if (field.FrameWhole)
                keyFrame.*field.FrameWhole = IntFromText(number);
            else
                keyFrame.*field.FrameNumber = DblFromText(number);
        });
        if (!read) return false;
    }
    return true;
}

// A key frame block's mode line, normal or six-hit, whatever follows its key.
bool IsModeLine(std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    for (const std::string_view key : {format::NormalModeKey, format::SixHitMode.Fields().front().Key}) {
        const std::vector<std::string_view> keyWords = Words(key);
        if (words.size() >= keyWords.size() && std::equal(keyWords.begin(), keyWords.end(), words.begin())) return true;
    }
    return false;
}

std::string LineProblem(std::size_t lineNumber, const std::string& expected, std::string_view found) {
    return "Line " + std::to_string(lineNumber) + " should hold " + expected + ", but holds " + QuotedLine(found) + ".";
}

}  // namespace

std::string KeyFrameText(const KeyFrame& keyFrame) {
    std::string text;
    for (const FormatLine* line : format::KeyFrameValueLines) {
        AppendFormatLine(text, *line,
                         [&](std::string& out, const FormatField& field) { AppendValueText(out, keyFrame, field); });
        text += "\n";
    }
    return text;
}

Result<KeyFrame> ReadKeyFrameText(std::string_view text) {
    std::vector<std::string_view> lines = SplitLines(text);
    for (std::string_view& line : lines) line = WithoutLineEnd(line);
    std::size_t i = 0;
    while (i < lines.size() && IsBlankLine(lines[i])) ++i;
    if (i == lines.size()) return Fail("The text is empty.");
    if (IsModeLine(lines[i])) ++i;

    KeyFrame keyFrame;
    for (const FormatLine* line : format::KeyFrameValueLines) {
        if (i == lines.size()) return Fail("The text ends where " + Expected(*line) + " should follow.");
        if (!ReadValueLine(lines[i], *line, keyFrame)) return Fail(LineProblem(i + 1, Expected(*line), lines[i]));
        ++i;
    }
    while (i < lines.size() && IsBlankLine(lines[i])) ++i;
    if (i < lines.size())
        return Fail(LineProblem(i + 1,
                                "nothing after the " +
                                    std::string(format::KeyFrameValueLines.back()->Fields().front().Key) +
                                    " line of one key frame",
                                lines[i]));
    return keyFrame;
}

}  // namespace orvik
