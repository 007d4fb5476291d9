#include "core/stroke_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace orvik {
namespace {

using Names = std::vector<std::string>;

TEST(StrokeCatalogue, HoldsTwentySixEntriesWithUniqueKeys) {
    const auto& entries = StrokeCatalogue();
    ASSERT_EQ(entries.size(), 26U);
    std::set<std::string_view> strokes, files, endings, displays;
    for (const auto& e : entries) {
        strokes.insert(e.StrokeName);
        files.insert(e.FileName);
        endings.insert(e.Ending);
        displays.insert(e.DisplayName);
        EXPECT_EQ(e.Ending.size(), 6U) << e.FileName;
    }
    EXPECT_EQ(strokes.size(), 26U);
    EXPECT_EQ(files.size(), 26U);
    EXPECT_EQ(endings.size(), 26U);
    EXPECT_EQ(displays.size(), 25U);  // both Backfoot Defences show as one
    EXPECT_EQ(entries.front().FileName, "a-Cc017c.atr");
    EXPECT_EQ(entries.back().StrokeName, "Leg Glance");
    EXPECT_EQ(entries[12].Ending, "9b.atr");  // Paddle sweep, not the end of its file name
}

TEST(StrokeCatalogue, LooksUpFilesAndStrokeNamesExactly) {
    EXPECT_EQ(StrokeNameForFile("a-Cc017c.atr"), "Forward Defence1");
    for (const char* other : {"A-CC017C.ATR", "a-Cc017c.ATR", "a-Cc029b.atr", "a-Cc027.atr ", ""})
        EXPECT_EQ(StrokeNameForFile(other), std::nullopt) << other;

    EXPECT_EQ(FileForStrokeName("6-Hit sweep over mid-wicket"), "a-Cc027.atr");
    EXPECT_EQ(FileForStrokeName("Normal on-drive"), "a-Cc026.atr");
    EXPECT_EQ(FileForStrokeName("Normal on-Drive"), "a-Cc053.atr");
    EXPECT_EQ(FileForStrokeName("Paddle sweep"), "a-Cc029.atr");
    for (const char* other : {"Backfoot Defence", "", "pull", "Pull "})
        EXPECT_EQ(FileForStrokeName(other), std::nullopt) << other;
}

TEST(StrokeCatalogue, NamesAStrokeByItsFileNameEnding) {
    EXPECT_EQ(StrokeNameForEnding("19.atr"), "Backfoot Defence");
    EXPECT_EQ(StrokeNameForEnding("20.atr"), "Backfoot Defence");
    EXPECT_EQ(StrokeNameForEnding("9b.atr"), "Paddle sweep");
    EXPECT_EQ(StrokeNameForEnding("7c.atr"), "Forward Defence1");
    for (const char* unknown : {"29.atr", "7C.ATR", "", "8.atr", "a-Cc018.atr"})
        EXPECT_EQ(StrokeNameForEnding(unknown), "Unknown") << unknown;
    const std::string path = "C:\\strokes\\my18.atr";
    EXPECT_EQ(StrokeNameForEnding(std::string_view(path).substr(path.size() - 6)), "Forward Defence2");
}

TEST(StrokeCatalogue, CensusCountsEveryFileAndListsTheKnownOnesInOrder) {
    auto census = StrokeCensus({"a-Cc018.atr", "notes.atr", "a-Cc017c.atr"});
    EXPECT_EQ(census.CountMessage, "3 Stroke file(s) found in the directory.");
    EXPECT_EQ(census.StrokeNames, (Names{"Forward Defence2", "Forward Defence1"}));

    census = StrokeCensus({});
    EXPECT_EQ(census.CountMessage, "0 Stroke file(s) found in the directory.");
    EXPECT_TRUE(census.StrokeNames.empty());

    // A folder past 32767 files still reports its true count.
    census = StrokeCensus(Names(40000, "x.atr"));
    EXPECT_EQ(census.CountMessage, "40000 Stroke file(s) found in the directory.");
}

}  // namespace
}  // namespace orvik
