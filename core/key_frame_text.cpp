#include "core/key_frame_text.h"

#include <cstddef>
#include <iterator>
#include <optional>
#include <vector>

#include "core/numbers.h"

namespace orvik {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

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

// The line as a message quotes it: without the blanks around it, and cut
// after 40 bytes (never inside a character of several bytes).
std::string Quoted(std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty()) return "an empty line";
    const char* first = words.front().data();
    std::string_view trimmed(first, static_cast<std::size_t>(words.back().data() + words.back().size() - first));
    constexpr std::size_t Longest = 40;
    if (trimmed.size() <= Longest) return "\"" + std::string(trimmed) + "\"";
    std::size_t cut = Longest;
    while (cut > 0 && (static_cast<unsigned char>(trimmed[cut]) & 0xC0) == 0x80) --cut;
    return "\"" + std::string(trimmed.substr(0, cut)) + "...\"";
}

// One value line: its key word, then a number, and on the Direction and Power
// lines "Range" and a second number. The Frame is a whole number from -32768
// to 32767, read as the reader reads it (12.5 gives 12).
struct ValueLine {
    const char* Key;
    const char* Expected;
    bool Whole;
    bool WithRange;
};

constexpr ValueLine ValueLines[] = {
    {"Frame", "\"Frame\" and a whole number from -32768 to 32767", true, false},
    {"Vertical", "\"Vertical\" and a number", false, false},
    {"Direction", "\"Direction\", a number, \"Range\" and a number", false, true},
    {"Power", "\"Power\", a number, \"Range\" and a number", false, true},
};

// The numbers of one value line; empty when the line is not of that form.
std::optional<std::vector<double>> ReadValueLine(std::string_view line, const ValueLine& form) {
    const std::vector<std::string_view> words = Words(line);
    const std::size_t count = form.WithRange ? 4 : 2;
    if (words.size() != count || words[0] != form.Key) return std::nullopt;
    if (form.WithRange && words[2] != "Range") return std::nullopt;
    std::vector<double> numbers;
    for (std::size_t i = 1; i < count; i += 2) {
        double value = 0;
        const bool read = ResumeNext([&] {
            value = form.Whole ? static_cast<double>(IntFromText(words[i])) : DblFromText(words[i]);
        });
        if (!read) return std::nullopt;
        numbers.push_back(value);
    }
    return numbers;
}

bool IsModeLine(std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    return words.size() >= 3 && words[0] == "Mode" && (words[1] == "Normal" || words[1] == "6Hit") &&
           words[2] == "KeyFrame";
}

std::string LineProblem(std::size_t lineNumber, const std::string& expected, std::string_view found) {
    return "Line " + std::to_string(lineNumber) + " should hold " + expected + ", but holds " + Quoted(found) + ".";
}

}  // namespace

std::string KeyFrameText(const KeyFrame& keyFrame) {
    return " Frame " + NumberText(keyFrame.Frame) + "\n Vertical " + NumberText(keyFrame.Vertical) + "\n Direction " +
           NumberText(keyFrame.Direction) + " Range " + NumberText(keyFrame.DirectionRange) + "\n Power " +
           NumberText(keyFrame.Power) + " Range " + NumberText(keyFrame.PowerRange) + "\n";
}

Result<KeyFrame> ReadKeyFrameText(std::string_view text) {
    const std::vector<std::string_view> lines = SplitLines(text);
    std::size_t i = 0;
    while (i < lines.size() && IsBlankLine(lines[i])) ++i;
    if (i == lines.size()) return Fail("The text is empty.");
    if (IsModeLine(lines[i])) ++i;

    KeyFrame keyFrame;
    for (std::size_t j = 0; j < std::size(ValueLines); ++j) {
        const ValueLine& form = ValueLines[j];
        if (i == lines.size())
            return Fail("The text ends where " + std::string(form.Expected) + " should follow.");
        const std::optional<std::vector<double>> numbers = ReadValueLine(lines[i], form);
        if (!numbers) return Fail(LineProblem(i + 1, form.Expected, lines[i]));
        const std::vector<double>& n = *numbers;
        switch (j) {
            case 0: keyFrame.Frame = static_cast<std::int16_t>(n[0]); break;
            case 1: keyFrame.Vertical = n[0]; break;
            case 2:
                keyFrame.Direction = n[0];
                keyFrame.DirectionRange = n[1];
                break;
            default:
                keyFrame.Power = n[0];
                keyFrame.PowerRange = n[1];
                break;
        }
        ++i;
    }
    while (i < lines.size() && IsBlankLine(lines[i])) ++i;
    if (i < lines.size())
        return Fail(LineProblem(i + 1, "nothing after the Power line of one key frame", lines[i]));
    return keyFrame;
}

}  // namespace orvik
