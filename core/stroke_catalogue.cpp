#include "core/stroke_catalogue.h"

namespace orvik {

const std::vector<StrokeCatalogueEntry>& StrokeCatalogue() {
    // The ending is a column of its own: "Paddle sweep" is recognised by
    // "9b.atr", not by the end of its file name.
    static const std::vector<StrokeCatalogueEntry> entries = {
        {"Forward Defence1", "a-Cc017c.atr", "7c.atr", "Forward Defence1"},
        {"Forward Defence2", "a-Cc018.atr", "18.atr", "Forward Defence2"},
        {"Backfoot Defence1", "a-Cc019.atr", "19.atr", "Backfoot Defence"},
        {"Backfoot Defence2", "a-Cc020.atr", "20.atr", "Backfoot Defence"},
        {"Cover drive(slashing shot)", "a-Cc021.atr", "21.atr", "Cover drive(slashing shot)"},
        {"Cover Drive(Straight bat)", "a-Cc022.atr", "22.atr", "Cover Drive(Straight bat)"},
        {"6-Hit Straight drive", "a-Cc023b.atr", "3b.atr", "6-Hit Straight drive"},
        {"Normal straight-drive", "a-Cc024.atr", "24.atr", "Normal straight-drive"},
        {"6-Hit on-Drive", "a-Cc025.atr", "25.atr", "6-Hit on-Drive"},
        {"Normal on-drive", "a-Cc026.atr", "26.atr", "Normal on-drive"},
        {"6-Hit sweep over mid-wicket", "a-Cc027.atr", "27.atr", "6-Hit sweep over mid-wicket"},
        {"Backfoot on-Drive", "a-Cc028.atr", "28.atr", "Backfoot on-Drive"},
        {"Paddle sweep", "a-Cc029.atr", "9b.atr", "Paddle sweep"},
        {"Normal sweep", "a-Cc030.atr", "30.atr", "Normal sweep"},
        {"Pull", "a-Cc031.atr", "31.atr", "Pull"},
        {"Hook1", "a-Cc032.atr", "32.atr", "Hook1"},
        {"Hook2(Ducking into the shot)", "a-Cc033.atr", "33.atr", "Hook2(Ducking into the shot)"},
        {"Square Drive", "a-Cc034a.atr", "4a.atr", "Square Drive"},
        {"Square Cut", "a-Cc035.atr", "35.atr", "Square Cut"},
        {"Cut", "a-Cc036.atr", "36.atr", "Cut"},
        {"Front-foot Leg-Glance", "a-Cc037.atr", "37.atr", "Front-foot Leg-Glance"},
        {"Normal Leg-Glance", "a-Cc038.atr", "38.atr", "Normal Leg-Glance"},
        {"Backfoot Leg-glance(Jumping back)", "a-Cc039.atr", "39.atr", "Backfoot Leg-glance(Jumping back)"},
        {"Normal on-Drive", "a-Cc053.atr", "53.atr", "Normal on-Drive"},
        {"Mid-wicket Heave(6-Hit shot 6+ctrl)", "a-Cc061.atr", "61.atr", "Mid-wicket Heave(6-Hit shot 6+ctrl)"},
        {"Leg Glance", "a-Cc066.atr", "66.atr", "Leg Glance"},
    };
    return entries;
}

std::optional<std::string> StrokeNameForFile(std::string_view fileName) {
    for (const auto& entry : StrokeCatalogue())
        if (entry.FileName == fileName) return std::string(entry.StrokeName);
    return std::nullopt;
}

std::optional<std::string> FileForStrokeName(std::string_view strokeName) {
    for (const auto& entry : StrokeCatalogue())
        if (entry.StrokeName == strokeName) return std::string(entry.FileName);
    return std::nullopt;
}

std::string StrokeNameForEnding(std::string_view ending) {
    for (const auto& entry : StrokeCatalogue())
        if (entry.Ending == ending) return std::string(entry.DisplayName);
    return "Unknown";
}

StrokeCensusResult StrokeCensus(const std::vector<std::string>& fileNames) {
    // The true count, however many files the folder holds.
    StrokeCensusResult result;
    result.CountMessage = std::to_string(fileNames.size()) + " Stroke file(s) found in the directory.";
    for (const auto& name : fileNames)
        if (auto strokeName = StrokeNameForFile(name)) result.StrokeNames.push_back(std::move(*strokeName));
    return result;
}

}  // namespace orvik
