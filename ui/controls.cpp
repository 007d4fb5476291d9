#include "ui/controls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextDocument>
#include <QToolTip>
#include <limits>

#include "document/file_text.h"

namespace orvik {

// Qt cuts a box's text at 32767 characters by default; a value from a file
// must reach Save whole.
TextBox::TextBox(QWidget* parent) : QLineEdit(parent) { setMaxLength(std::numeric_limits<int>::max()); }

std::string TextBox::Text() const { return FileText(text()); }

void TextBox::SetText(const std::string& text) { setText(QtText(text)); }

void TextBox::MarkCommitted() {
    if (!isUndoAvailable() && !isRedoAvailable()) return;
    const int cursor = cursorPosition();
    const int start = selectionStart();
    const int length = selectionLength();
    // Setting the text empties the box's own undo history and its modified flag.
    const QSignalBlocker quiet(this);
    setText(text());
    if (start < 0)
        setCursorPosition(cursor);
    else if (cursor == start)  // selected towards the start
        setSelection(start + length, -length);
    else
        setSelection(start, length);
}

bool TextBox::event(QEvent* event) {
    // The box undoes and redoes only its own typing; with none to undo or
    // redo, the key is left to the window's shortcuts. A redo waits while the
    // box holds typing not yet committed: the window's redo would put another
    // value in its place, and the typing would be lost.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = IsUndoKey(*key), redo = IsRedoKey(*key);
        if (undo || redo) {
            const bool own = undo ? isUndoAvailable() : isRedoAvailable() || HasTyping();
            event->setAccepted(own);
            return own;
        }
    }
    return QLineEdit::event(event);
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit LostFocus();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    emit KeyPress(event);
    // Ctrl+Y redoes the typing on every platform, as in the window's history.
    if (IsRedoKey(*event) && !event->matches(QKeySequence::Redo)) {
        if (isRedoAvailable()) redo();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool IsUndoKey(const QKeyEvent& key) { return key.matches(QKeySequence::Undo); }

bool IsRedoKey(const QKeyEvent& key) {
    const QKeyCombination combination = key.keyCombination();
    return key.matches(QKeySequence::Redo) || combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

void ShowInputProblem(QWidget& control, const QString& problem) {
    // The frame replaces the style's own only while there is a problem.
    control.setStyleSheet(problem.isEmpty() ? QString() : QStringLiteral("border: 2px solid #c00000;"));
    control.setToolTip(PlainToolTip(problem));
}

QString PlainToolTip(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

bool ShowToolTipOfArea(QWidget& window, const QHelpEvent& event) {
    for (QWidget* area : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!area->testAttribute(Qt::WA_TransparentForMouseEvents) || area->toolTip().isEmpty() ||
            !area->geometry().contains(event.pos()))
            continue;
        QToolTip::showText(event.globalPos(), area->toolTip(), &window, area->geometry());
        return true;
    }
    return false;
}

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

std::string CaptionLabel::Caption() const { return FileText(text()); }

void CaptionLabel::SetCaption(const std::string& caption) {
    setText(QtText(caption));
    UpdateAccessibleName();
}

void CaptionLabel::SetValueName(const QString& name) {
    valueName_ = name;
    UpdateAccessibleName();
}

void CaptionLabel::UpdateAccessibleName() {
    if (valueName_.isEmpty()) return;
    const QString name = text().isEmpty() ? valueName_ : tr("%1: %2").arg(valueName_, text());
    // The timer sets the mouse-edited values on every tick, mostly unchanged.
    if (name != accessibleName()) setAccessibleName(name);
}

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void CommandButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

}  // namespace orvik
