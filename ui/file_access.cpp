#include "ui/file_access.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace orvik {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("orvik::FileAccess", text); }

}  // namespace

QString OpenForReading(QFile& file) {
    // A folder opens for reading on some systems and then reads as nothing.
    if (QFileInfo(file.fileName()).isDir()) return Tr("It is a folder, not a file.");
    if (!file.open(QIODevice::ReadOnly)) {
        const QString reason = file.errorString();
        return reason.isEmpty() ? Tr("The file cannot be opened.") : reason;
    }
    return {};
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) return Tr("No file is chosen.");
    const QFileInfo info(path);
    if (info.isDir()) return Tr("It is a folder, not a file.");
    if (!QFileInfo(info.absolutePath()).isDir()) return Tr("The folder %1 does not exist.").arg(info.absolutePath());
    // Unbuffered, so that every write reaches the file here and its failure
    // shows: QSaveFile::commit() ignores a failure of the last flush of its
    // buffer (Qt 6.4) and would then put a cut or empty file in place of the
    // old one and report success (disk full, file size limit).
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    // A short write is tried again for the rest, whose failure then carries
    // the system's reason ("No space left on device", "File too large").
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 now = file.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason.isEmpty() ? Tr("The file cannot be written.") : reason;
        }
        written += now;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

QString FolderProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return Tr("The folder does not exist (any more).");
    if (!info.isDir()) return Tr("It is not a folder.");
    if (!info.isReadable() || !info.isExecutable()) return Tr("Permission denied.");
    return Tr("The folder cannot be read.");
}

}  // namespace orvik
