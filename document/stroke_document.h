#pragma once
// The stroke being edited, apart from any window: the record loaded, its
// file's path, the bytes read at load, the reader's report on them, the values
// Save writes in place of the record's own (the stroke type, the bowler class
// code, the edge probabilities' texts), and the undo history with its saved
// state. It loads and saves and says why when it cannot; the window asks the
// user's questions and shows the messages, from what the document returns.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/read_report.h"
#include "core/result.h"
#include "core/save_check.h"
#include "core/stroke_file.h"
#include "document/edit_history.h"

namespace orvik {

// How the document reaches its file: the path as the file system resolves it
// (links and ".." followed), reading a stroke file whole and replacing one in
// a single piece, each giving the reason when it cannot.
struct StrokeFileStore {
    std::function<QString(const QString& path)> Resolve;
    std::function<Result<std::string, QString>(const QString& path)> ReadWhole;
    std::function<Status<QString>(const QString& path, const QByteArray& bytes)> WriteWhole;
};

// A stroke file as a load read it: the record, the file's bytes and what the
// reader reported on them.
struct StrokeFileRead {
    StrokeFile Stroke;
    std::string Bytes;
    ReadReport Report;
};

// A field that keeps Save from writing, and why.
struct FieldRefusal {
    FieldId Field;
    QString Reason;
};

// The text Save would write, and what refuses it: characters of an edge
// probability that have no single-byte form, and fields whose written form
// would not read back as the value shown.
struct FormedStroke {
    StrokeFile Saved;
    std::string Bytes;
    std::vector<FieldRefusal> Unwritable;
    std::vector<FieldRefusal> NotReadBack;

    bool Refused() const { return !Unwritable.empty() || !NotReadBack.empty(); }
};

class StrokeDocument : public QObject {
    Q_OBJECT
public:
    explicit StrokeDocument(StrokeFileStore files, QObject* parent = nullptr);

    // Loading. Read() changes nothing; Take() makes what was read the stroke
    // loaded from `path`, with a new history. Load() does both, or gives the
    // reason the file cannot be read and keeps the stroke loaded so far.
    Result<StrokeFileRead, QString> Read(const QString& path) const;
    void Take(const QString& path, StrokeFileRead read);
    Status<QString> Load(const QString& path);

    // The record takes its start values, as before any load; the rest stays.
    void StartRecord();

    bool IsLoaded() const { return loaded_; }
    // The file the stroke was loaded from, as the file system resolves it:
    // where Save writes.
    const QString& Path() const { return path_; }
    const StrokeFile& Stroke() const { return stroke_; }
    // The record for an edit under way (a commit, a mouse edit, a paste):
    // what it changes becomes a step at the next RecordStep, and the stroke
    // counts as modified till then.
    StrokeFile& EditedStroke() { return stroke_; }
    // What the reader reported on the file loaded, until a Save rewrites it.
    const ReadReport& Misread() const { return misread_; }
    // The file's bytes when it was loaded or last saved.
    const std::string& FileBytes() const { return fileBytes_; }

    // The values Save writes in place of the record's own.
    const std::string& Type() const { return type_; }
    std::int32_t BowlerTypes() const { return bowlerTypes_; }
    const QString& EdgeProb() const { return edgeProb_; }
    const QString& EdgeProb6() const { return edgeProb6_; }
    void SetType(const std::string& type) { type_ = type; }
    void SetBowlerTypes(std::int32_t code) { bowlerTypes_ = code; }
    void SetEdgeProbs(const QString& edgeProb, const QString& edgeProb6) {
        edgeProb_ = edgeProb;
        edgeProb6_ = edgeProb6;
    }

    // The undo history: one step named `action` for what changed since the
    // last step (none when nothing did); undo and redo put the values back and
    // signal ValuesPutBack.
    bool RecordStep(const QString& action);
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    void Undo();
    void Redo();
    int Steps() const { return history_.Steps(); }

    // Whether the stroke loaded differs from what was loaded or saved last:
    // a step since, or an edit not yet recorded as one.
    bool IsModified() const;

    // Saving, in the order Save runs: the text formed and checked; whether
    // the file changed on disk since it was loaded or saved (a file that
    // cannot be read now is left to the write, which says why); the write,
    // after which the text is the saved state.
    FormedStroke Form() const;
    bool ChangedOnDisk() const;
    Status<QString> Write(const FormedStroke& formed);

signals:
    // Undo or redo put values back; `keyFrame` is the key frame the step
    // changed, or -1 where it changed none.
    void ValuesPutBack(int keyFrame);
    // The stroke became modified or unmodified.
    void ModifiedChanged(bool modified);
    // Another file was loaded.
    void PathChanged(const QString& path);

private:
    EditedValues CurrentValues() const;
    void PutBack(const EditedValues& values, int keyFrame);
    void TellModified();

    StrokeFileStore files_;
    StrokeFile stroke_;
    QString path_;
    std::string fileBytes_;
    ReadReport misread_;
    std::string type_;
    std::int32_t bowlerTypes_ = 0;
    QString edgeProb_, edgeProb6_;
    EditHistory history_;
    bool loaded_ = false;
    bool modifiedTold_ = false;
};

}  // namespace orvik
