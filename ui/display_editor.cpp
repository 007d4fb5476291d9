#include "ui/display_editor.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

namespace orvik {
namespace {

// The box over a display. Shift+Tab out of it passes over its own display,
// which would open the box again at once.
class InPlaceBox : public TextBox {
public:
    InPlaceBox(QWidget& display, QWidget* parent) : TextBox(parent), display_(display) {}

protected:
    bool focusNextPrevChild(bool next) override {
        if (next) return TextBox::focusNextPrevChild(next);
        const Qt::FocusPolicy policy = display_.focusPolicy();
        display_.setFocusPolicy(Qt::NoFocus);
        const bool moved = TextBox::focusNextPrevChild(next);
        display_.setFocusPolicy(policy);
        return moved;
    }

private:
    QWidget& display_;
};

}  // namespace

DisplayEditor::DisplayEditor(CaptionLabel& display, const QString& name,
                             std::function<QString(const QString&)> describe)
    : QObject(&display),
      display_(display),
      box_(new InPlaceBox(display, display.parentWidget())),
      describe_(std::move(describe)) {
    box_->setObjectName(name);
    box_->hide();
    // Tab reaches the display, which hands the focus on to its box; a click
    // does not focus it, so that a click on it changes nothing.
    display_.setFocusPolicy(Qt::TabFocus);
    display_.installEventFilter(this);
    box_->installEventFilter(this);
    connect(box_, &TextBox::LostFocus, this, [this] { Close(true); });
}

void DisplayEditor::Open() {
    if (open_) return;
    open_ = true;
    // As tall as the text boxes, over the display's row.
    const QRect place = display_.geometry();
    box_->setGeometry(place.adjusted(0, -3, 0, 3));
    box_->setText(display_.text());
    box_->selectAll();
    box_->show();
    box_->raise();
    box_->setFocus(Qt::OtherFocusReason);
}

// The focus goes back to the display before the box hides, so that hiding it
// passes the focus to no other control.
void DisplayEditor::Close(bool commit) {
    if (!open_) return;
    open_ = false;
    const QString text = box_->text();
    // Only what was typed is committed: the mouse may have set the value
    // since the box opened.
    const bool typed = box_->isModified();
    if (box_->hasFocus()) display_.setFocus(Qt::OtherFocusReason);
    box_->hide();
    if (commit && typed) emit Committed(text);
}

bool DisplayEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_) {
        // Esc in the box is the box's, before the window's Esc of a mouse edit.
        if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            Close(true);
        else if (key == Qt::Key_Escape)
            Close(false);
        else
            return false;
        return true;
    }
    switch (event->type()) {
        case QEvent::MouseButtonDblClick: Open(); return true;
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) Open();
            return false;
        }
        case QEvent::ToolTip: {
            auto* help = static_cast<QHelpEvent*>(event);
            // The description quotes what was typed: shown as plain text. A
            // display marked with a problem (ShowInputProblem) tells that.
            const QString problem = display_.toolTip();
            QToolTip::showText(help->globalPos(),
                               problem.isEmpty() ? PlainToolTip(describe_(display_.text())) : problem, &display_);
            return true;
        }
        default: return false;
    }
}

}  // namespace orvik
