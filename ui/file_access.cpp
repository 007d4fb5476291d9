#include "ui/file_access.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <csignal>
#include <filesystem>

#include "core/file_bytes.h"
#include "core/stroke_file.h"

namespace orvik {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("orvik::FileAccess", text); }

QString NotRegular() { return Tr("It is not a plain file but a device, a pipe or a socket."); }

QString TooLarge(qint64 size) {
    return Tr("It is %1 bytes long; a stroke file is at most %2 bytes.").arg(size).arg(MaxStrokeFileSize);
}

}  // namespace

QString ReadStrokeFileBytes(const QString& path, std::string& bytes) {
    bytes.clear();
    if (path.isEmpty()) return Tr("No file is chosen.");
    // The checker reads through the same function: a pipe, device or socket
    // is never waited on, even if the name is given to one in between.
#ifdef Q_OS_WIN
    const std::filesystem::path file(path.toStdWString());
#else
    const std::filesystem::path file(QFile::encodeName(path).toStdString());
#endif
    const FileBytesResult read = ReadFileBytes(file, bytes);
    switch (read.Outcome) {
        case FileBytesOutcome::Read: return {};
        case FileBytesOutcome::Folder: return Tr("It is a folder, not a file.");
        case FileBytesOutcome::NotRegular: return NotRegular();
        case FileBytesOutcome::TooLarge: return TooLarge(read.Size);
        default: return QString::fromLocal8Bit(read.Error.message());
    }
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
#ifdef SIGXFSZ
    // A file size limit then fails the write, which is reported like a full
    // disk, instead of ending the editor with all its edits.
    static const bool fileSizeSignalIgnored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    Q_UNUSED(fileSizeSignalIgnored);
#endif
    if (path.isEmpty()) return Tr("No file is chosen.");
    const QFileInfo info(path);
    if (info.isDir()) return Tr("It is a folder, not a file.");
    // Saving would put a plain file in place of the device or pipe.
    if (info.exists() && !info.isFile()) return NotRegular();
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
