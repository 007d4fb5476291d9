#pragma once
// abt: the about box. Fixed texts, an OK button that is both the default and
// the cancel button (Enter and Esc press it) and has the focus on opening.
#include <QDialog>

#include "ui/controls.h"

class QLabel;

namespace orvik {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* owner = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace orvik
