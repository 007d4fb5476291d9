#include "support/fake_dialogs.h"

void FakeDialogs::ShowMessage(QWidget*, const QString& text, const QString& title, orvik::MessageIcon icon) {
    messages.push_back({text, title, icon});
}

std::optional<QString> FakeDialogs::OpenFileName(QWidget*, const orvik::CommonDialog& dialog) {
    ++openDialogsShown;
    openTitle = dialog.DialogTitle();
    openFilter = dialog.QtFilter();
    const QString answer = openAnswers.empty() ? QString() : openAnswers.front();
    if (!openAnswers.empty()) openAnswers.pop_front();
    if (answer.isEmpty()) return std::nullopt;
    return answer;
}

void FakeDialogs::ShowModal(QDialog& dialog) {
    ++modalsShown;
    if (onModal) onModal(dialog);
}
