// Loading and saving a stroke document, with its files in memory.
#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "core/stroke_writer.h"
#include "document/stroke_document.h"
#include "memory_files.h"

namespace orvik {
namespace {

std::string Text(const QString& text) { return text.toStdString(); }

TEST(StrokeDocumentLoad, HoldsTheFileItsBytesAndTheValuesSaveWrites) {
    LoadedDocument loaded;
    const StrokeDocument& document = loaded.document;
    EXPECT_TRUE(document.IsLoaded());
    EXPECT_EQ(Text(document.Path()), "/strokes/a-Cc021.atr");
    EXPECT_EQ(document.FileBytes(), CleanFileText());
    EXPECT_TRUE(document.Misread().empty());
    // The record, type, bowler class and edge probabilities a save writes.
    EXPECT_EQ(document.Form().Bytes, CleanFileText());
    EXPECT_FALSE(document.IsModified());
}

TEST(StrokeDocumentLoad, NothingIsLoadedAtFirst) {
    MemoryFiles files;
    const StrokeDocument document(files.Store());
    EXPECT_FALSE(document.IsLoaded());
    EXPECT_FALSE(document.IsModified());
    for (int i = -10; i <= 65; ++i) EXPECT_EQ(document.Stroke().TrailingLines.at(i), i <= 0 ? "43" : "") << i;
}

TEST(StrokeDocumentLoad, AFileThatCannotBeReadKeepsTheStrokeLoaded) {
    LoadedDocument loaded;
    loaded.document.EditedStroke().KeyFrames[0].Power = 42;
    const Status<QString> missing = loaded.document.Load(QStringLiteral("a-Cc018.atr"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(Text(missing.Why()), "It does not exist.");
    EXPECT_EQ(Text(loaded.document.Path()), "/strokes/a-Cc021.atr");
    EXPECT_EQ(loaded.document.Stroke().KeyFrames[0].Power, 42);
    EXPECT_TRUE(loaded.document.IsModified());
}

TEST(StrokeDocumentLoad, SignalsTheOtherPathOnly) {
    LoadedDocument loaded;
    QStringList paths;
    QObject::connect(&loaded.document, &StrokeDocument::PathChanged, [&](const QString& path) { paths << path; });
    loaded.files.Files["/strokes/a-Cc018.atr"] = CleanFileText();
    ASSERT_TRUE(loaded.document.Load(QStringLiteral("a-Cc021.atr")));
    ASSERT_TRUE(loaded.document.Load(QStringLiteral("a-Cc018.atr")));
    EXPECT_EQ(paths, QStringList{QStringLiteral("/strokes/a-Cc018.atr")});
}

TEST(StrokeDocumentSave, WritesTheRecordWithTheValuesSaveTakes) {
    LoadedDocument loaded;
    StrokeDocument& document = loaded.document;
    document.EditedStroke().KeyFrames[6].Power = 42;
    document.SetType("Aggressive");
    document.SetBowlerTypes(9);
    document.SetEdgeProbs(QStringLiteral("0.7"), QStringLiteral("0.8"));
    document.RecordStep(QStringLiteral("Typing"));
    const FormedStroke formed = document.Form();
    EXPECT_FALSE(formed.Refused());
    ASSERT_TRUE(document.Write(formed));

    StrokeFile expected = CleanStroke("2 0");
    expected.KeyFrames[6].Power = 42, expected.EdgeProb = "0.7", expected.EdgeProb6 = "0.8";
    const std::string written = StrokeFileText(expected, "Aggressive", 9);
    EXPECT_EQ(loaded.files.Files["/strokes/a-Cc021.atr"], written);
    EXPECT_EQ(document.FileBytes(), written);
    EXPECT_EQ(document.Stroke().EdgeProb, "0.7");
    EXPECT_EQ(document.Stroke().EdgeProb6, "0.8");
    // The record keeps the file's own type and class: Save writes the others.
    EXPECT_EQ(document.Stroke().Type, "Defensive");
    EXPECT_EQ(document.Stroke().BowlerTypes, 6);
    EXPECT_FALSE(document.IsModified());
}

TEST(StrokeDocumentSave, RefusesWhatTheFileCannotHold) {
    LoadedDocument loaded;
    loaded.document.SetEdgeProbs(QString::fromUtf8("0.1\u20ac"), QStringLiteral("0.2,5"));
    const FormedStroke formed = loaded.document.Form();
    EXPECT_TRUE(formed.Refused());
    ASSERT_EQ(formed.Unwritable.size(), 1U);
    EXPECT_EQ(formed.Unwritable[0].Field.Kind, FieldKind::EdgeProb);
    EXPECT_EQ(Text(formed.Unwritable[0].Reason), "'\u20ac' has no single-byte form");
    ASSERT_EQ(formed.NotReadBack.size(), 1U);
    EXPECT_EQ(formed.NotReadBack[0].Field.Kind, FieldKind::EdgeProb6);
}

TEST(StrokeDocumentSave, TellsAFileChangedOnDisk) {
    LoadedDocument loaded;
    EXPECT_FALSE(loaded.document.ChangedOnDisk());
    std::string& onDisk = loaded.files.Files["/strokes/a-Cc021.atr"];
    onDisk[onDisk.find(" Power 1.5 ") + 7] = '7';  // as many bytes as before
    EXPECT_TRUE(loaded.document.ChangedOnDisk());
    onDisk += "\r\n";
    EXPECT_TRUE(loaded.document.ChangedOnDisk());
    ASSERT_TRUE(loaded.document.Write(loaded.document.Form()));
    EXPECT_FALSE(loaded.document.ChangedOnDisk());
    // A file gone is left to the write, which says why.
    loaded.files.Files.clear();
    EXPECT_FALSE(loaded.document.ChangedOnDisk());
}

TEST(StrokeDocumentSave, AFailedWriteKeepsTheFileAndTheEdits) {
    std::string text = CleanFileText();
    text.replace(text.find(" Frame 10"), 9, " Frame x");
    LoadedDocument loaded(text);
    loaded.document.EditedStroke().KeyFrames[0].Power = 42;
    loaded.document.RecordStep(QStringLiteral("Typing"));
    loaded.files.WriteRefusal = QStringLiteral("The disk is full.");
    const Status<QString> written = loaded.document.Write(loaded.document.Form());
    ASSERT_FALSE(written);
    EXPECT_EQ(Text(written.Why()), "The disk is full.");
    EXPECT_EQ(loaded.document.FileBytes(), text);
    // The reader's report of the file loaded stays.
    ASSERT_EQ(loaded.document.Misread().size(), 1U);
    EXPECT_EQ(loaded.document.Misread().front().Field, "Frame of normal key frame 0");
    EXPECT_TRUE(loaded.document.IsModified());

    loaded.files.WriteRefusal.clear();
    ASSERT_TRUE(loaded.document.Write(loaded.document.Form()));
    EXPECT_TRUE(loaded.document.Misread().empty());
    EXPECT_FALSE(loaded.document.IsModified());
}

}  // namespace
}  // namespace orvik
