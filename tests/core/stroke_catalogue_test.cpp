#include "core/stroke_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace orvik {
namespace {

using Names = std::vector<std::string>;

TEST(StrokeCatalogue, LooksUpNamesExactlyCaseAndAllAndCountsEveryFile) {
    EXPECT_EQ(StrokeCatalogue().size(), 26U);
    EXPECT_EQ(StrokeNameForFile("a-Cc017c.atr"), "Forward Defence1");
    for (const char* other : {"A-CC017C.ATR", "a-Cc017c.ATR", "a-Cc029b.atr", "a-Cc027.atr ", ""})
        EXPECT_EQ(StrokeNameForFile(other), std::nullopt) << other;

    EXPECT_EQ(FileForStrokeName("6-Hit sweep over mid-wicket"), "a-Cc027.atr");
    EXPECT_EQ(FileForStrokeName("Normal on-drive"), "a-Cc026.atr");
    EXPECT_EQ(FileForStrokeName("Normal on-Drive"), "a-Cc053.atr");
    for (const char* name : {"Backfoot Defence", "", "Pull "}) EXPECT_EQ(FileForStrokeName(name), std::nullopt) << name;

    // "Paddle sweep" is recognised by "9b.atr", not by the end of its file name.
    const std::pair<const char*, const char*> endings[] = {{"19.atr", "Backfoot Defence"},
        {"20.atr", "Backfoot Defence"}, {"9b.atr", "Paddle sweep"}, {"18.atr", "Forward Defence2"},
        {"29.atr", "Unknown"}, {"7C.ATR", "Unknown"}, {"", "Unknown"}, {"8.atr", "Unknown"}};
    for (const auto& [ending, name] : endings) EXPECT_EQ(StrokeNameForEnding(ending), name) << ending;

    // The census counts every file and lists the known ones in the folder's order.
    auto census = StrokeCensus({"a-Cc018.atr", "notes.atr", "a-Cc017c.atr"});
    EXPECT_EQ(census.CountMessage, "3 Stroke file(s) found in the directory.");
    EXPECT_EQ(census.StrokeNames, (Names{"Forward Defence2", "Forward Defence1"}));
    census = StrokeCensus({});
    EXPECT_TRUE(census.CountMessage == "0 Stroke file(s) found in the directory." && census.StrokeNames.empty());
    EXPECT_EQ(StrokeCensus(Names(40000, "x.atr")).CountMessage, "40000 Stroke file(s) found in the directory.");
}

}  // namespace
}  // namespace orvik
