#include "document/edit_history.h"

#include <QUndoCommand>
#include <memory>
#include <utility>
#include <vector>

namespace orvik {
namespace {

// The values Save writes in place of the record's own.
struct SaveValues {
    std::string Type;
    std::int32_t BowlerTypes = 0;
    QString EdgeProb, EdgeProb6;

    friend bool operator==(const SaveValues&, const SaveValues&) = default;
};

SaveValues SavePart(const EditedValues& values) {
    return {values.Type, values.BowlerTypes, values.EdgeProb, values.EdgeProb6};
}

void PutSavePart(EditedValues& values, const SaveValues& part) {
    values.Type = part.Type;
    values.BowlerTypes = part.BowlerTypes;
    values.EdgeProb = part.EdgeProb;
    values.EdgeProb6 = part.EdgeProb6;
}

struct KeyFrameChange {
    int Index;
    KeyFrame Before, After;
};

}  // namespace

// One step: the key frames it changed and, where it changed them, the values
// Save writes in place of the record's, each before and after.
class EditHistory::Step : public QUndoCommand {
public:
    Step(EditHistory& history, const QString& action, const EditedValues& before, const EditedValues& after)
        : QUndoCommand(action), history_(history) {
        for (int k = 0; k < KeyFrameCount; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (!(before.KeyFrames[i] == after.KeyFrames[i]))
                keyFrames_.push_back({k, before.KeyFrames[i], after.KeyFrames[i]});
        }
        keyFrames_.shrink_to_fit();
        if (SavePart(before) != SavePart(after))
            saveValues_ = std::make_unique<std::pair<SaveValues, SaveValues>>(SavePart(before), SavePart(after));
    }

    void undo() override { history_.PutBackValues(Side(&KeyFrameChange::Before, false), ShownKeyFrame()); }

    void redo() override {
        // Pushing the step redoes it; its values are in place already.
        if (std::exchange(pushed_, false)) return;
        history_.PutBackValues(Side(&KeyFrameChange::After, true), ShownKeyFrame());
    }

private:
    // The recorded values with this step's changes put back to one side.
    EditedValues Side(KeyFrame KeyFrameChange::*side, bool after) const {
        EditedValues values = history_.recorded_;
        for (const KeyFrameChange& change : keyFrames_)
            values.KeyFrames[static_cast<std::size_t>(change.Index)] = change.*side;
        if (saveValues_) PutSavePart(values, after ? saveValues_->second : saveValues_->first);
        return values;
    }

    int ShownKeyFrame() const { return keyFrames_.empty() ? -1 : keyFrames_.front().Index; }

    EditHistory& history_;
    std::vector<KeyFrameChange> keyFrames_;
    // Held apart: most steps change key frames only.
    std::unique_ptr<std::pair<SaveValues, SaveValues>> saveValues_;
    bool pushed_ = true;
};

EditHistory::EditHistory(PutBack putBack, QObject* parent) : QObject(parent), putBack_(std::move(putBack)) {
    // The stack's clean state is the saved state.
    connect(&stack_, &QUndoStack::indexChanged, this, &EditHistory::Changed);
    connect(&stack_, &QUndoStack::cleanChanged, this, &EditHistory::Changed);
}

EditHistory::~EditHistory() {
    // The steps go before the rest of the history they refer to.
    stack_.disconnect(this);
    stack_.clear();
}

void EditHistory::Restart(const EditedValues& loaded) {
    recorded_ = loaded;
    stack_.clear();
    emit Changed();
}

bool EditHistory::Record(const QString& action, const EditedValues& now) {
    if (now == recorded_) return false;
    auto* step = new Step(*this, action, recorded_, now);
    recorded_ = now;
    stack_.push(step);
    return true;
}

void EditHistory::PutBackValues(const EditedValues& values, int keyFrame) {
    recorded_ = values;
    putBack_(values, keyFrame);
}

}  // namespace orvik
