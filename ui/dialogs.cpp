#include "ui/dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace orvik {

QString CommonDialog::QtFilter() const {
    const QStringList parts = filter_.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt takes the patterns from the parentheses at the end of the text.
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        filters << (description.endsWith(shown) ? description : QStringLiteral("%1 %2").arg(description, shown));
    }
    return filters.join(QStringLiteral(";;"));
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
    const QString chosen = QFileDialog::getOpenFileName(owner, dialog.DialogTitle(), start, dialog.QtFilter());
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen);
}

void Dialogs::ShowModal(QDialog& dialog) { dialog.exec(); }

}  // namespace orvik
