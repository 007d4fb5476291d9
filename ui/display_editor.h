#pragma once
// Typing into a value display in place. The Height and Direction displays are
// labels that the mouse editing writes; a double-click on one, or Tab into it,
// opens a box over it with its value selected. Enter, Tab or leaving the box
// hands the typed text on (Committed) and closes the box; Esc closes it and
// keeps the display as it was, as does leaving it without typing. While it is
// closed nothing of it shows.
#include <QObject>
#include <QString>
#include <functional>

#include "ui/controls.h"

namespace orvik {

class DisplayEditor : public QObject {
    Q_OBJECT
public:
    // `describe` gives the display's tooltip for its caption.
    DisplayEditor(CaptionLabel& display, const QString& name, std::function<QString(const QString&)> describe);

    void Open();
    bool IsOpen() const { return open_; }
    // Closes the box; with `commit`, hands its text on as Enter does.
    void Close(bool commit);
    // The box in which the value is typed; hidden while closed.
    TextBox& Box() const { return *box_; }

signals:
    void Committed(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CaptionLabel& display_;
    TextBox* box_;
    std::function<QString(const QString&)> describe_;
    bool open_ = false;
};

}  // namespace orvik
