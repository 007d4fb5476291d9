#include "check/byte_checks.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace orvik::check {

namespace {

bool IsControlByte(unsigned char byte) { return (byte < 0x20 && byte != '\r' && byte != '\n') || byte == 0x7f; }

std::string ByteText(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned>(byte));
    return text;
}

}  // namespace

std::vector<Problem> ByteProblems(std::string_view bytes) {
    std::vector<Problem> problems;
    if (bytes.starts_with(ByteOrderMark)) {
        Problem mark;
        mark.Code = problem_code::ByteOrderMark;
        mark.Line = 1;
        mark.Found = std::string(ByteOrderMark);
        mark.Message = "the file starts with a byte-order mark (\\xEF\\xBB\\xBF), which a save drops";
        problems.push_back(std::move(mark));
    }

    // Most files hold no such byte: they are looked through once, without
    // counting lines.
    if (std::none_of(bytes.begin(), bytes.end(), [](char c) { return IsControlByte(static_cast<unsigned char>(c)); }))
        return problems;

    std::int64_t line = 1;
    std::int64_t firstLine = 0;
    std::int64_t lastLine = 0;
    std::int64_t moreLines = 0;
    unsigned char first = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\n' || (byte == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) {
            ++line;
        } else if (IsControlByte(byte) && line != lastLine) {
            if (firstLine == 0)
                firstLine = line, first = byte;
            else
                ++moreLines;
            lastLine = line;
        }
    }
    if (firstLine > 0) {
        Problem control;
        control.Code = problem_code::ControlByte;
        control.Line = firstLine;
        control.Found = ByteText(first);
        control.Message = "a byte that is neither printable nor a line end: " + ByteText(first);
        if (moreLines > 0)
            control.Message +=
                " (and such bytes on " + std::to_string(moreLines) + " more line" + (moreLines == 1 ? "" : "s") + ")";
        problems.push_back(std::move(control));
    }
    return problems;
}

}  // namespace orvik::check
