#include "check/text_report.h"

#include <string>
#include <string_view>

#include "core/shown_text.h"

namespace orvik::check {

namespace {

std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

void WriteFileText(std::ostream& out, const FileCheck& check, bool verbose) {
    const std::string name = Escaped(check.Name);
    if (verbose) {
        out << name << ": " << (check.Problems.empty() ? "ok" : Counted(check.Problems.size(), "problem", "problems"));
        if (check.StrokeName)
            out << ", the game's \"" << *check.StrokeName << "\"\n";
        else
            out << ", not one of the game's stroke files\n";
    }
    for (const Problem& problem : check.Problems) {
        out << name << ":";
        if (problem.Line > 0) out << problem.Line << ":";
        out << " " << problem.Code << ": " << Escaped(MessageAndKeeps(problem)) << "\n";
    }
    out << check.Diff;
}

void WriteTotalsText(std::ostream& out, const Totals& totals) {
    out << Counted(totals.Files, "file", "files") << ", " << totals.Clean << " clean, "
        << Counted(totals.Problems, "problem", "problems") << "\n";
}

void WritePathErrorText(std::ostream& errors, const PathError& error) {
    errors << "orvik-stroke-check: " << Escaped(error.Name) << ": " << error.Code << ": " << Escaped(error.Message)
           << "\n";
}

}  // namespace orvik::check
