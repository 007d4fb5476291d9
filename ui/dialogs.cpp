#include "ui/dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "document/resolved_path.h"

namespace orvik {

void CommonDialog::SetFileName(const QString& fileName) {
    fileName_ = QDir::toNativeSeparators(ResolvedPath(fileName));
}

void Dialogs::ShowMessage(QWidget* owner, const QString& text, const QString& title, MessageIcon icon) {
    const QMessageBox::Icon shown = icon == MessageIcon::Critical  ? QMessageBox::Critical
                                    : icon == MessageIcon::Warning ? QMessageBox::Warning
                                                                   : QMessageBox::Information;
    QMessageBox box(shown, title, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Answer Dialogs::Ask(QWidget* owner, const QString& text, const QString& title, const QList<Answer>& answers,
                    Answer defaultAnswer, const QString& details) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    // The details part is always plain text.
    if (!details.isEmpty()) box.setDetailedText(details);
    QList<std::pair<QAbstractButton*, Answer>> buttons;
    for (const Answer answer : answers) {
        QAbstractButton* button = nullptr;
        switch (answer) {
            case Answer::Save: button = box.addButton(QMessageBox::Save); break;
            case Answer::Discard: button = box.addButton(QMessageBox::Discard); break;
            case Answer::Cancel: button = box.addButton(QMessageBox::Cancel); break;
            case Answer::Overwrite:
                button = box.addButton(QMessageBox::tr("Overwrite"), QMessageBox::AcceptRole);
                break;
        }
        buttons.append({button, answer});
        if (answer == defaultAnswer) box.setDefaultButton(qobject_cast<QPushButton*>(button));
        if (answer == Answer::Cancel) box.setEscapeButton(button);
    }
    box.exec();
    for (const auto& [button, answer] : buttons)
        if (box.clickedButton() == button) return answer;
    return Answer::Cancel;
}

std::optional<QString> Dialogs::OpenFileName(QWidget* owner, const CommonDialog& dialog) {
    // The dialog opens in the folder of the current file, else in the folder the
    // program was started in.
    const QString start =
        dialog.FileName().isEmpty() ? QDir::currentPath() : QFileInfo(dialog.FileName()).absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(owner, dialog.DialogTitle(), start, dialog.Filter());
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen);
}

void Dialogs::ShowModal(QDialog& dialog) { dialog.exec(); }

}  // namespace orvik
