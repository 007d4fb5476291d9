#pragma once
// Stroke files held in memory for the document's tests: what a load reads,
// what a save writes, and a write that fails on demand. A path resolves to
// itself with "/strokes/" in front of a bare name.
#include <gtest/gtest.h>

#include <QString>
#include <map>
#include <string>
#include <vector>

#include "clean_stroke.h"
#include "document/stroke_document.h"

namespace orvik {

struct MemoryFiles {
    std::map<QString, std::string> Files;
    QString WriteRefusal;  // the write fails with this reason when not empty
    int Writes = 0;

    static QString Resolved(const QString& path) { return path.contains('/') ? path : "/strokes/" + path; }

    StrokeFileStore Store() {
        return {Resolved,
                [this](const QString& path) -> Result<std::string, QString> {
                    const auto file = Files.find(Resolved(path));
                    if (file == Files.end()) return Fail(QStringLiteral("It does not exist."));
                    return file->second;
                },
                [this](const QString& path, const QByteArray& bytes) -> Status<QString> {
                    if (!WriteRefusal.isEmpty()) return Fail(WriteRefusal);
                    ++Writes;
                    Files[Resolved(path)] = bytes.toStdString();
                    return Done{};
                }};
    }
};

// The clean stroke with the six-hit tags "2 0", as a save writes it.
inline std::string CleanFileText() {
    const StrokeFile stroke = CleanStroke("2 0");
    return StrokeFileText(stroke, stroke.Type, stroke.BowlerTypes);
}

// A document with `text` loaded from "a-Cc021.atr", and what it signals:
// the key frame of each ValuesPutBack and each ModifiedChanged.
struct LoadedDocument {
    MemoryFiles files;
    StrokeDocument document{files.Store()};
    std::vector<int> putBack;
    std::vector<bool> modified;

    explicit LoadedDocument(std::string text = CleanFileText()) {
        files.Files["/strokes/a-Cc021.atr"] = std::move(text);
        const Status<QString> loaded = document.Load(QStringLiteral("a-Cc021.atr"));
        EXPECT_TRUE(loaded) << (loaded ? QString() : loaded.Why()).toStdString();
        QObject::connect(&document, &StrokeDocument::ValuesPutBack, [this](int k) { putBack.push_back(k); });
        QObject::connect(&document, &StrokeDocument::ModifiedChanged, [this](bool m) { modified.push_back(m); });
    }
    KeyFrame& At(int k) { return document.EditedStroke().KeyFrames[static_cast<std::size_t>(k)]; }
};

}  // namespace orvik
