#include "ui/controls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <limits>

#include "ui/file_text.h"

namespace orvik {

// Qt cuts a box's text at 32767 characters by default; a value from a file
// must reach Save whole.
TextBox::TextBox(QWidget* parent) : QLineEdit(parent) { setMaxLength(std::numeric_limits<int>::max()); }

std::string TextBox::Text() const { return FileText(text()); }

void TextBox::SetText(const std::string& text) { setText(QtText(text)); }

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit LostFocus();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    emit KeyPress(event);
    QLineEdit::keyPressEvent(event);
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
