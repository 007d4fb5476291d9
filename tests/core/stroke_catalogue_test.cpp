#include "core/stroke_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {
namespace {

using Names = std::vector<std::string>;

TEST(StrokeCatalogue, HoldsEachOfTheGamesFilesInNameOrderAndFindsItByItsStrokeName) {
    // The sample folder holds a file for each of the game's strokes, under the
    // game's names ("a-Cc..."), and a few others.
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(ORVIK_SAMPLES_DIR "/strokes"))
        if (entry.path().filename().string().starts_with("a-Cc")) files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    ASSERT_EQ(StrokeCatalogue().size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i]);
        EXPECT_EQ(StrokeCatalogue()[i].FileName, files[i]);
        const std::optional<std::string> strokeName = StrokeNameForFile(files[i]);
        ASSERT_TRUE(strokeName);
        EXPECT_EQ(FileForStrokeName(*strokeName), files[i]);
    }
}

// A name label is found by the last six characters of the file name and
// shows the stroke's name, but for Paddle sweep, whose ending is not that of
// its file, and the two Backfoot Defences, which share one label.
TEST(StrokeCatalogue, FindsTheNameLabelByTheFilesEnding) {
    for (const StrokeCatalogueEntry& entry : StrokeCatalogue()) {
        const std::string_view file = entry.FileName;
        SCOPED_TRACE(file);
        const bool paddleSweep = file == "a-Cc029.atr";
        EXPECT_EQ(entry.Ending, paddleSweep ? "9b.atr" : file.substr(file.size() - 6));
        const bool backfootDefence = std::string_view(entry.StrokeName).starts_with("Backfoot Defence");
        EXPECT_EQ(entry.DisplayName, backfootDefence ? "Backfoot Defence" : entry.StrokeName);
        EXPECT_EQ(StrokeNameForEnding(entry.Ending), entry.DisplayName);
    }
}

TEST(StrokeCatalogue, NamesItDoesNotHoldCharacterForCharacterFindNothing) {
    for (const char* other : {"A-CC017C.ATR", "a-Cc017c.ATR", "a-Cc029b.atr", "a-Cc027.atr ", ""})
        EXPECT_EQ(StrokeNameForFile(other), std::nullopt) << other;
    for (const char* name : {"Backfoot Defence", "", "Pull "}) EXPECT_EQ(FileForStrokeName(name), std::nullopt) << name;
    for (const char* ending : {"29.atr", "7C.ATR", "", "8.atr"})
        EXPECT_EQ(StrokeNameForEnding(ending), "Unknown") << ending;
}

TEST(StrokeCatalogue, TheCensusCountsEveryFileAndListsTheKnownOnesInTheFoldersOrder) {
    auto census = StrokeCensus({"a-Cc018.atr", "notes.atr", "a-Cc017c.atr"});
    EXPECT_EQ(census.CountMessage, "3 Stroke file(s) found in the directory.");
    EXPECT_EQ(census.StrokeNames, (Names{"Forward Defence2", "Forward Defence1"}));
    census = StrokeCensus({});
    EXPECT_EQ(census.CountMessage, "0 Stroke file(s) found in the directory.");
    EXPECT_EQ(census.StrokeNames, Names{});
    EXPECT_EQ(StrokeCensus(Names(40000, "x.atr")).CountMessage, "40000 Stroke file(s) found in the directory.");
}

}  // namespace
}  // namespace orvik
