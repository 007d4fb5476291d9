#include "core/stroke_catalogue.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace orvik {
namespace {

using Names = std::vector<std::string>;

// The game's stroke files in file name order: the stroke list's name, the file name, the ending a
// name label is found by, and the name label for that ending.
const StrokeCatalogueEntry GameStrokes[] = {
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
    {"Paddle sweep", "a-Cc029.atr", "9b.atr", "Paddle sweep"},  // not the end of its file name
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
    {"Normal on-Drive", "a-Cc053.atr", "53.atr", "Normal on-Drive"},  // differs from a-Cc026's in case only
    {"Mid-wicket Heave(6-Hit shot 6+ctrl)", "a-Cc061.atr", "61.atr", "Mid-wicket Heave(6-Hit shot 6+ctrl)"},
    {"Leg Glance", "a-Cc066.atr", "66.atr", "Leg Glance"},
};

TEST(StrokeCatalogue, HoldsTheGamesStrokeFilesAndFindsEachByFileStrokeNameAndEnding) {
    ASSERT_EQ(StrokeCatalogue().size(), std::size(GameStrokes));
    for (std::size_t i = 0; i < std::size(GameStrokes); ++i) {
        const StrokeCatalogueEntry& game = GameStrokes[i];
        const StrokeCatalogueEntry& entry = StrokeCatalogue()[i];
        SCOPED_TRACE(game.FileName);
        EXPECT_EQ(entry.StrokeName, game.StrokeName);
        EXPECT_EQ(entry.FileName, game.FileName);
        EXPECT_EQ(entry.Ending, game.Ending);
        EXPECT_EQ(entry.DisplayName, game.DisplayName);
        EXPECT_EQ(StrokeNameForFile(game.FileName), game.StrokeName);
        EXPECT_EQ(FileForStrokeName(game.StrokeName), game.FileName);
        EXPECT_EQ(StrokeNameForEnding(game.Ending), game.DisplayName);
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
