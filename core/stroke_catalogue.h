#pragma once
// The fixed table of the 26 stroke files the game ships, with readable stroke
// names. Every comparison is exact: character for character, case and all.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

struct StrokeCatalogueEntry {
    std::string_view StrokeName;   // shown in the stroke list
    std::string_view FileName;     // as the game names it, without folder
    std::string_view Ending;       // the six characters StrokeNameForEnding recognises
    std::string_view DisplayName;  // what StrokeNameForEnding gives for that ending
};

// The 26 entries in ascending file name order.
const std::vector<StrokeCatalogueEntry>& StrokeCatalogue();

std::optional<std::string> StrokeNameForFile(std::string_view fileName);
std::optional<std::string> FileForStrokeName(std::string_view strokeName);
// `ending`: the last six characters of a file name, or the whole name when it is
// shorter. "Unknown" when no entry has that ending.
std::string StrokeNameForEnding(std::string_view ending);

struct StrokeCensusResult {
    std::string CountMessage;              // "<n> Stroke file(s) found in the directory."
    std::vector<std::string> StrokeNames;  // the known files' stroke names, in list order
};
StrokeCensusResult StrokeCensus(const std::vector<std::string>& fileNames);

}  // namespace orvik
