#include "check/text_report.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace orvik::check {

namespace {

// The text with control characters as escapes, so that one line stays one line.
std::string Printable(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned>(byte));
            shown += escape;
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

void WriteFileText(std::ostream& out, const FileCheck& check, bool quiet) {
    if (quiet && check.Problems.empty()) return;
    const std::string name = Printable(check.Name);
    out << name << ": " << (check.Problems.empty() ? "ok" : Counted(check.Problems.size(), "problem", "problems"));
    if (check.StrokeName)
        out << ", the game's \"" << *check.StrokeName << "\"\n";
    else
        out << ", not one of the game's stroke files\n";
    for (const Problem& problem : check.Problems) {
        out << "  " << name << ": ";
        if (problem.Line > 0) out << "line " << problem.Line << ": ";
        out << Printable(problem.Message) << "\n";
    }
    out << check.Diff;
}

void WriteTotalsText(std::ostream& out, const Totals& totals) {
    out << Counted(totals.Files, "file", "files") << ", " << totals.Clean << " clean, "
        << Counted(totals.Problems, "problem", "problems") << "\n";
}

}  // namespace orvik::check
