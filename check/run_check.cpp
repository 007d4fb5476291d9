#include "check/run_check.h"

#include <algorithm>
#include <optional>
#include <set>

#include "check/file_check.h"
#include "check/json_report.h"
#include "check/stroke_paths.h"
#include "check/text_report.h"
#include "core/problem_kinds.h"
#include "core/shown_text.h"

namespace orvik::check {

int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& errors) {
    // The exit status is the highest of what each problem and error calls for.
    int status = 0;
    const auto met = [&status](std::string_view code) { status = std::max(status, ProblemKindOf(code).ExitStatus); };

    PathListing listing = ListStrokeFiles(options.Paths);
    std::vector<PathError> unreadable = std::move(listing.Errors);
    for (const PathError& error : unreadable) {
        WritePathErrorText(errors, error);
        met(error.Code);
    }

    std::optional<JsonReport> json;
    if (options.Json && !options.Quiet) json.emplace(out, options.Diff);
    const bool listOnly = options.FilesWithProblems && !options.Quiet;
    const bool text = !options.Json && !options.Quiet && !options.FilesWithProblems;
    Totals totals;
    std::set<std::string> listed;  // each path once, however often it is named
    for (const StrokePath& file : listing.Files) {
        const FileCheck check = CheckStrokeFile(file, options.Diff && !options.Quiet);
        if (check.Unreadable) {
            WritePathErrorText(errors, *check.Unreadable);
            met(check.Unreadable->Code);
            unreadable.push_back(*check.Unreadable);
            continue;
        }
        ++totals.Files;
        if (check.Problems.empty()) ++totals.Clean;
        totals.Problems += check.Problems.size();
        for (const Problem& problem : check.Problems) met(problem.Code);
        if (json) {
            if (!options.FilesWithProblems || !check.Problems.empty()) json->AddFile(check);
        } else if (listOnly) {
            if (!check.Problems.empty() && listed.insert(check.Name).second) out << Escaped(check.Name) << "\n";
        } else if (text) {
            WriteFileText(out, check, options.Verbose);
        }
    }
    if (json)
        json->Finish(totals, unreadable);
    else if (text)
        WriteTotalsText(out, totals);
    return status;
}

}  // namespace orvik::check
