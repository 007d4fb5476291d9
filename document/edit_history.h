#pragma once
// The undo history of a stroke document. Every user action that changes what
// Save would write (a committed box, a list choice, a whole mouse edit, a key
// frame put in place at once) is one step. The document hands the history its
// edited values after each action; a step keeps only what differs from the
// values recorded before it, so a long history stays small. Undo and redo hand
// the values of the other side of a step back to the document.
//
// A load starts a new history; a Save marks the saved state, and the stroke
// has unsaved edits while the history is anywhere else.
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/stroke_file.h"

namespace orvik {

// What the user edits: the key frames, and what Save writes in place of the
// record's own values: the stroke type, the bowler class code and the texts of
// the two edge probabilities.
struct EditedValues {
    std::array<KeyFrame, KeyFrameCount> KeyFrames{};
    std::string Type;
    std::int32_t BowlerTypes = 0;
    QString EdgeProb, EdgeProb6;

    friend bool operator==(const EditedValues&, const EditedValues&) = default;
};

class EditHistory : public QObject {
    Q_OBJECT
public:
    // Puts `values` back where they are edited; `keyFrame` is the key frame
    // the step changed, or -1 where it changed none.
    using PutBack = std::function<void(const EditedValues& values, int keyFrame)>;

    explicit EditHistory(PutBack putBack, QObject* parent = nullptr);
    ~EditHistory() override;

    // A new history from the values just loaded: nothing to undo or redo, and
    // these are the saved values.
    void Restart(const EditedValues& loaded);

    // One step named `action` from the values recorded last to `now`; nothing
    // when they are the same. Returns whether a step was recorded.
    bool Record(const QString& action, const EditedValues& now);

    // The values after the last step recorded, undone or redone.
    const EditedValues& Recorded() const { return recorded_; }

    bool CanUndo() const { return stack_.canUndo(); }
    bool CanRedo() const { return stack_.canRedo(); }
    void Undo() { stack_.undo(); }
    void Redo() { stack_.redo(); }
    int Steps() const { return stack_.count(); }

    // What Save just wrote is the recorded values.
    void MarkSaved() { stack_.setClean(); }
    // Whether the recorded values are those loaded or saved last.
    bool AtSavedState() const { return stack_.isClean(); }

signals:
    // After every step recorded, undone or redone, a restart and a Save.
    void Changed();

private:
    class Step;
    friend class Step;

    // Undo and redo: the step's values become the recorded ones and are put back.
    void PutBackValues(const EditedValues& values, int keyFrame);

    PutBack putBack_;
    EditedValues recorded_;
    QUndoStack stack_;
};

}  // namespace orvik
