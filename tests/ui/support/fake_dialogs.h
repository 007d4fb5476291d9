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
    std::deque<QString> openAnswers;        // the file dialog's next answers; none or "" is "cancelled"
    std::function<void(QDialog&)> onModal;  // runs on each modal dialog instead of exec()

    void ShowMessage(QWidget*, const QString& text, const QString& title, orvik::MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    std::optional<QString> OpenFileName(QWidget*, const orvik::CommonDialog&) override {
        const QString answer = openAnswers.empty() ? QString() : openAnswers.front();
        if (!openAnswers.empty()) openAnswers.pop_front();
        return answer.isEmpty() ? std::nullopt : std::optional(answer);
    }
    void ShowModal(QDialog& dialog) override {
        if (onModal) onModal(dialog);
    }
};
