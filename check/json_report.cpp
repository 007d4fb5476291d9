#include "check/json_report.h"

#include <cstdio>

namespace orvik::check {

namespace {

// The length of the UTF-8 character at the start of `text`, or 0 when the
// bytes there are not one.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned minimum = 0;
    if (lead >= 0xc2 && lead <= 0xdf) length = 2, minimum = 0x80;
    else if (lead >= 0xe0 && lead <= 0xef) length = 3, minimum = 0x800;
    else if (lead >= 0xf0 && lead <= 0xf4) length = 4, minimum = 0x10000;
    else return 0;
    if (text.size() < length) return 0;
    unsigned code = lead & (0x7fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3fu);
    }
    if (code < minimum || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return 0;
    return length;
}

void AppendEscape(std::string& out, unsigned code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    out += escape;
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            if (const std::size_t length = Utf8Length(text.substr(i))) {
                out.append(text.substr(i, length));
                i += length;
            } else {
                AppendEscape(out, byte);
                ++i;
            }
            continue;
        }
        if (c == '"') out += "\\\"";
        else if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (byte < 0x20 || byte == 0x7f) AppendEscape(out, byte);
        else out += c;
        ++i;
    }
    return out + "\"";
}

}  // namespace

JsonReport::JsonReport(std::ostream& out, bool withDiff) : out_(out), withDiff_(withDiff) { out_ << "{\"files\": ["; }

void JsonReport::AddFile(const FileCheck& check) {
    out_ << (firstFile_ ? "\n  " : ",\n  ");
    firstFile_ = false;
    out_ << "{\"name\": " << JsonString(check.Name)
         << ", \"stroke\": " << (check.StrokeName ? JsonString(*check.StrokeName) : "null")
         << ", \"ok\": " << (check.Problems.empty() ? "true" : "false") << ", \"problems\": [";
    bool first = true;
    for (const Problem& problem : check.Problems) {
        out_ << (first ? "\n    " : ",\n    ");
        first = false;
        out_ << "{\"line\": " << (problem.Line > 0 ? std::to_string(problem.Line) : "null")
             << ", \"field\": " << JsonString(problem.Field) << ", \"found\": " << JsonString(problem.Found)
             << ", \"message\": " << JsonString(problem.Message) << "}";
    }
    out_ << "]";
    if (withDiff_) out_ << ", \"diff\": " << JsonString(check.Diff);
    out_ << "}";
}

void JsonReport::Finish(const Totals& totals, const std::vector<std::string>& errors) {
    out_ << "],\n \"errors\": [";
    for (std::size_t i = 0; i < errors.size(); ++i) out_ << (i > 0 ? ", " : "") << JsonString(errors[i]);
    out_ << "],\n \"file_count\": " << totals.Files << ", \"clean_count\": " << totals.Clean
         << ", \"problem_count\": " << totals.Problems << "}\n";
}

}  // namespace orvik::check
