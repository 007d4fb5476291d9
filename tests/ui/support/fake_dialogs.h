#pragma once
// A Dialogs that records instead of showing anything modal.
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "ui/dialogs.h"

struct RecordedMessage {
    QString text, title;
    orvik::MessageIcon icon;
};

class FakeDialogs : public orvik::Dialogs {
public:
    std::vector<RecordedMessage> messages;
    std::deque<QString> openAnswers;  // the file dialog's next answers; none or "" is "cancelled"
    int openDialogsShown = 0;
    QString openTitle, openFilter;
    std::function<void(QDialog&)> onModal;  // runs on each modal dialog instead of exec()
    int modalsShown = 0;

    void ShowMessage(QWidget*, const QString& text, const QString& title, orvik::MessageIcon icon) override;
    std::optional<QString> OpenFileName(QWidget*, const orvik::CommonDialog& dialog) override;
    void ShowModal(QDialog& dialog) override;
};
