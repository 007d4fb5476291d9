// The document's undo history: one step per action that changed anything,
// undo and redo putting the values back, the saved state.
#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "document/stroke_document.h"
#include "memory_files.h"

namespace orvik {
namespace {

TEST(EditHistory, NoStepForNoChange) {
    LoadedDocument edited;
    EXPECT_FALSE(edited.document.RecordStep(QStringLiteral("Typing")));
    edited.document.SetType("Defensive");
    edited.document.SetEdgeProbs(QStringLiteral("0.1"), QStringLiteral("0.2"));
    EXPECT_FALSE(edited.document.RecordStep(QStringLiteral("Stroke type")));
    EXPECT_EQ(edited.document.Steps(), 0);
    EXPECT_TRUE(edited.modified.empty());
}

TEST(EditHistory, UndoAndRedoPutTheValuesBack) {
    LoadedDocument edited;
    edited.At(6).Power = 42;
    edited.document.SetType("Aggressive");
    ASSERT_TRUE(edited.document.RecordStep(QStringLiteral("Typing")));
    edited.document.SetEdgeProbs(QStringLiteral("0.5"), QStringLiteral("0.2"));
    ASSERT_TRUE(edited.document.RecordStep(QStringLiteral("Typing")));

    edited.document.Undo();
    EXPECT_EQ(edited.document.EdgeProb(), QStringLiteral("0.1"));
    EXPECT_EQ(edited.document.Type(), "Aggressive");
    edited.document.Undo();
    EXPECT_FALSE(edited.document.CanUndo());
    // What a Save would write: the key frame's Power and the type as loaded.
    EXPECT_EQ(edited.document.Form().Bytes, CleanFileText());
    edited.document.Redo();
    EXPECT_EQ(edited.document.Stroke().KeyFrames[6].Power, 42);
    EXPECT_EQ(edited.document.Type(), "Aggressive");
    EXPECT_EQ(edited.document.EdgeProb(), QStringLiteral("0.1"));
    // The key frame each step changed, -1 for none.
    EXPECT_EQ(edited.putBack, (std::vector<int>{-1, 6, 6}));
}

TEST(EditHistory, ModifiedUntilTheSavedStateComesBack) {
    LoadedDocument edited;
    edited.At(0).Power = 42;
    EXPECT_TRUE(edited.document.IsModified());  // an edit under way
    edited.document.RecordStep(QStringLiteral("Mouse edit"));
    ASSERT_TRUE(edited.document.Write(edited.document.Form()));
    EXPECT_FALSE(edited.document.IsModified());
    edited.document.Undo();
    EXPECT_TRUE(edited.document.IsModified());
    edited.document.Redo();
    EXPECT_FALSE(edited.document.IsModified());
    EXPECT_EQ(edited.modified, (std::vector<bool>{true, false, true, false}));
}

TEST(EditHistory, ALoadStartsANewHistory) {
    LoadedDocument edited;
    edited.At(0).Power = 42;
    edited.document.RecordStep(QStringLiteral("Typing"));
    ASSERT_TRUE(edited.document.Load(QStringLiteral("a-Cc021.atr")));
    EXPECT_FALSE(edited.document.CanUndo());
    EXPECT_EQ(edited.document.Form().Bytes, CleanFileText());  // what a Save would write
    EXPECT_FALSE(edited.document.IsModified());
    EXPECT_EQ(edited.modified, (std::vector<bool>{true, false}));
}

TEST(EditHistory, KeepsAThousandSteps) {
    LoadedDocument edited;
    const StrokeFile loaded = edited.document.Stroke();
    for (int step = 1; step <= 1000; ++step) {
        edited.At(step % KeyFrameCount).Power = 100 + step;
        ASSERT_TRUE(edited.document.RecordStep(QStringLiteral("Typing")));
    }
    EXPECT_EQ(edited.document.Steps(), 1000);
    while (edited.document.CanUndo()) edited.document.Undo();
    EXPECT_EQ(edited.putBack.size(), 1000U);
    EXPECT_TRUE(edited.document.Stroke().KeyFrames == loaded.KeyFrames);
    EXPECT_FALSE(edited.document.IsModified());
}

}  // namespace
}  // namespace orvik
