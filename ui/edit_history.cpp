#include "ui/edit_history.h"

#include <QUndoCommand>
#include <optional>
#include <utility>
#include <vector>

namespace orvik {
namespace {

// The values that Save takes from the window.
struct WindowValues {
    int TypeEntry = -1;
    int BowlerEntry = -1;
    QString EdgeProb, EdgeProb6;

    friend bool operator==(const WindowValues&, const WindowValues&) = default;
};

WindowValues WindowPart(const EditedValues& values) {
    return {values.TypeEntry, values.BowlerEntry, values.EdgeProb, values.EdgeProb6};
}

void PutWindowPart(EditedValues& values, const WindowValues& part) {
    values.TypeEntry = part.TypeEntry;
    values.BowlerEntry = part.BowlerEntry;
    values.EdgeProb = part.EdgeProb;
    values.EdgeProb6 = part.EdgeProb6;
}

struct KeyFrameChange {
    int Index;
    KeyFrame Before, After;
};

}  // namespace

// One step: the key frames it changed and, where it changed them, the
// window's values, each before and after.
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
        if (WindowPart(before) != WindowPart(after)) window_.emplace(WindowPart(before), WindowPart(after));
    }

    void undo() override { history_.Show(Side(&KeyFrameChange::Before, false), ShownKeyFrame()); }

    void redo() override {
        // Pushing the step redoes it; the window shows its values already.
        if (std::exchange(pushed_, false)) return;
        history_.Show(Side(&KeyFrameChange::After, true), ShownKeyFrame());
    }

private:
    // The recorded values with this step's changes put back to one side.
    EditedValues Side(KeyFrame KeyFrameChange::*side, bool after) const {
        EditedValues values = history_.recorded_;
        for (const KeyFrameChange& change : keyFrames_)
            values.KeyFrames[static_cast<std::size_t>(change.Index)] = change.*side;
        if (window_) PutWindowPart(values, after ? window_->second : window_->first);
        return values;
    }

    int ShownKeyFrame() const { return keyFrames_.empty() ? -1 : keyFrames_.front().Index; }

    EditHistory& history_;
    std::vector<KeyFrameChange> keyFrames_;
    std::optional<std::pair<WindowValues, WindowValues>> window_;
    bool pushed_ = true;
};

EditHistory::EditHistory(ShowValues show, QObject* parent) : QObject(parent), show_(std::move(show)) {
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

void EditHistory::Show(const EditedValues& values, int keyFrame) {
    recorded_ = values;
    show_(values, keyFrame);
}

}  // namespace orvik
