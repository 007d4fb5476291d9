#pragma once
// The window's simple controls as the handlers use them: text boxes with a
// Text and lost-focus and key-press events, labels with a Caption, buttons whose
// caption wraps, and arrays of like controls addressed by index.
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>
#include <stdexcept>
#include <string>

#include "core/resume_next.h"

namespace orvik {

// A control refused an operation: a list given a text it does not hold, an
// element that a control array does not have. The handlers' statements let
// ResumeNext swallow it.
class ControlError : public StatementFailure {
public:
    using StatementFailure::StatementFailure;
};

// Elements of a control array by index; the indices need not be contiguous.
template <class Control>
class ControlArray {
public:
    void Add(int index, Control* control) { elements_[index] = control; }
    // Throws ControlError for an index the array does not have.
    Control& operator()(int index) const {
        const auto found = elements_.find(index);
        if (found == elements_.end()) throw ControlError("control array index out of range");
        return *found->second;
    }
    const std::map<int, Control*>& Elements() const { return elements_; }

private:
    std::map<int, Control*> elements_;
};

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    std::string Text() const;
    void SetText(const std::string& text);

    // Whether the user typed into the box since its text was set or last
    // committed, and the text differs from what it was then. While there is
    // typing to undo or redo, the undo and redo keys undo and redo it, and
    // while there is typing the redo key does nothing else; otherwise they go
    // on to the window's history.
    bool HasTyping() const { return isModified(); }
    // The typing is committed: it leaves the box's own undo history, and the
    // undo and redo keys go to the window's history again. The text, the
    // cursor and the selection stay.
    void MarkCommitted();

signals:
    // The focus went to another control of the program. Switching to another
    // application or opening the box's context menu does not count.
    void LostFocus();
    // A key is about to reach the box; the handler cannot stop it.
    void KeyPress(QKeyEvent* event);

protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The keys of the window's undo history: Ctrl+Z, and Ctrl+Shift+Z and Ctrl+Y
// (with the platform's own Undo and Redo keys).
bool IsUndoKey(const QKeyEvent& key);
bool IsRedoKey(const QKeyEvent& key);

// Marks a control whose text cannot be taken with a red frame and `problem`
// as its tooltip; an empty `problem` takes the mark away.
void ShowInputProblem(QWidget& control, const QString& problem);

// A tooltip that shows `text` as it is: text that would pass for markup is
// turned into the markup that shows it, anything else is left as it is.
QString PlainToolTip(const QString& text);

// The tooltip of a child that lets the mouse through to `window` (an area
// over a painted preview), which Qt would never show: shown for the help
// event `event` of `window` over it. Returns whether there was one.
bool ShowToolTipOfArea(QWidget& window, const QHelpEvent& event);

// A label showing plain text (never rich text), wrapped at word ends.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // For a label that shows a value: the caption of the label naming it.
    // Screen readers then hear the name with the value ("Height: 20000000").
    void SetValueName(const QString& name);

private:
    void UpdateAccessibleName();

    QString valueName_;
};

// A push button whose caption wraps onto more lines where it is too long for
// one, as "Reset Changes to Current Stroke" is.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvik
