#pragma once
// The user guide, Help.txt, in a window of the program. The text is compiled
// into the program (guide.qrc), so the guide opens wherever the program runs,
// installed or not.
#include <QDialog>

class QPlainTextEdit;

namespace orvik {

// The guide's text as the program carries it.
QString GuideText();

// A window that shows the guide, read-only; it stays open beside the editor
// until closed.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    const QPlainTextEdit& Text() const { return *text_; }

private:
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace orvik
