#include "ui/dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/resolved_path.h"

namespace orvik {

void CommonDialog::SetFileName(const QString& fileName) {
    fileName_ = QDir::toNativeSeparators(ResolvedPath(fileName));
}

void Dialogs::ShowMessage(QWidget* owner, const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, title, text,
                    QMessageBox::Ok, owner);
    box.exec();
}

std::optional<QString> Dialogs::OpenFileName(QWidget* owner, const CommonDialog& dialog) {
    // The dialog opens in the folder of the current file, else in the folder the
    // program was started in.
    const QString start = dialog.FileName().isEmpty() ? QDir::currentPath() : QFileInfo(dialog.FileName()).absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(owner, dialog.DialogTitle(), start, dialog.Filter());
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen);
}

void Dialogs::ShowModal(QDialog& dialog) { dialog.exec(); }

}  // namespace orvik
