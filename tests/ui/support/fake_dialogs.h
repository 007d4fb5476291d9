#pragma once
// A Dialogs that records instead of showing anything modal.
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/dialogs.h"

struct RecordedMessage {
    QString text;
    QString title;
    orvik::MessageIcon icon;
};

class FakeDialogs : public orvik::Dialogs {
public:
    std::vector<RecordedMessage> messages;
    // The file dialog's next answers; an empty answer or an empty queue is
    // "cancelled".
    std::deque<QString> openAnswers;
    int openDialogsShown = 0;
    QString openTitle, openFilter;
    // Runs on each modal dialog instead of exec().
    std::function<void(QDialog&)> onModal;
    int modalsShown = 0;

    void ShowMessage(QWidget*, const QString& text, const QString& title, orvik::MessageIcon icon) override;
    std::optional<QString> OpenFileName(QWidget*, const orvik::CommonDialog& dialog) override;
    void ShowModal(QDialog& dialog) override;
};
