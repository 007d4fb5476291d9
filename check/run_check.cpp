#include "check/run_check.h"

#include <optional>

#include "check/file_check.h"
#include "check/json_report.h"
#include "check/stroke_paths.h"
#include "check/text_report.h"

namespace orvik::check {

int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& errors) {
    const PathListing listing = ListStrokeFiles(options.Paths);
    for (const std::string& error : listing.Errors) errors << "orvik-stroke-check: " << error << "\n";

    std::optional<JsonReport> json;
    if (options.Json) json.emplace(out, options.Diff);
    Totals totals;
    for (const StrokePath& file : listing.Files) {
        const FileCheck check = CheckStrokeFile(file, options.Diff);
        ++totals.Files;
        if (check.Problems.empty()) ++totals.Clean;
        totals.Problems += check.Problems.size();
        if (options.Quiet && check.Problems.empty()) continue;
        if (json)
            json->AddFile(check);
        else
            WriteFileText(out, check, options.Quiet);
    }
    if (json)
        json->Finish(totals, listing.Errors);
    else
        WriteTotalsText(out, totals);

    if (!listing.Errors.empty()) return 2;
    return totals.Clean == totals.Files ? 0 : 1;
}

}  // namespace orvik::check
