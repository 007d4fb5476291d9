#include "document/file_access.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <csignal>
#include <filesystem>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "core/file_bytes.h"
#include "core/stroke_file.h"
#include "document/resolved_path.h"

namespace orvik {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("orvik::FileAccess", text); }

QString NotRegular() { return Tr("It is not a plain file but a device, a pipe or a socket."); }

QString TooLarge(qint64 size) { return Tr("It is %1.").arg(QString::fromStdString(OverSizeLimitText(size))); }

#ifdef Q_OS_UNIX
// The new content of `path`, not yet in place in the descriptor `fd`, takes
// the old file's owner, group and mode, so that a file shared by a group stays
// writable by the same people after any of them saves it. The owner is kept
// where the saving user may give the file away (root); the group where the
// user belongs to it. Where the group cannot be kept, its permission bits go
// with it: the saving user's own group gets no access the file did not give
// it; where the owner cannot, the set-user-id bit goes. The mode is set last,
// as a change of owner clears the set-id bits; it is kept once the file is
// opened, so that its content is never open to more people than before, and
// again once it is written, as a write by any user but root clears them too.
void KeepOwnerGroupAndMode(int fd, const QString& path) {
    struct stat old {};
    if (fd < 0 || ::stat(QFile::encodeName(path).constData(), &old) != 0 || !S_ISREG(old.st_mode)) return;
    struct stat now {};
    if (::fstat(fd, &now) != 0) return;
    mode_t mode = old.st_mode & 07777;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        if (now.st_uid != old.st_uid) mode &= ~static_cast<mode_t>(S_ISUID);
        if (now.st_gid != old.st_gid && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0)
            mode &= ~static_cast<mode_t>(S_IRWXG | S_ISGID);
    }
    (void)::fchmod(fd, mode);
}
#endif

#ifdef Q_OS_WIN
// The attributes a saved file keeps: a save puts a new file in place of the
// old one, which would otherwise lose them (a hidden stroke file would show).
constexpr DWORD KeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

DWORD AttributesOf(const QString& path) {
    return ::GetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()));
}

bool IsReadOnly(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

void KeepAttributes(const QString& path, DWORD old) {
    if (old == INVALID_FILE_ATTRIBUTES || (old & KeptAttributes) == 0) return;
    const DWORD now = AttributesOf(path);
    if (now == INVALID_FILE_ATTRIBUTES) return;
    ::SetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                         (now & ~KeptAttributes) | (old & KeptAttributes));
}
#endif

}  // namespace

Result<std::string, QString> ReadStrokeFileBytes(const QString& path) {
    if (path.isEmpty()) return Fail(Tr("No file is chosen."));
        // The checker reads through the same function: a pipe, device or socket
        // is never waited on, even if the name is given to one in between.
#ifdef Q_OS_WIN
    const std::filesystem::path file(path.toStdWString());
#else
    const std::filesystem::path file(QFile::encodeName(path).toStdString());
#endif
    Result<std::string, FileBytesFailure> read = ReadFileBytes(file);
    if (read) return std::move(read).Value();
    const FileBytesFailure& failure = read.Why();
    switch (failure.Outcome) {
        case FileBytesOutcome::Folder: return Fail(Tr("It is a folder, not a file."));
        case FileBytesOutcome::NotRegular: return Fail(NotRegular());
        case FileBytesOutcome::TooLarge: return Fail(TooLarge(failure.Size));
        case FileBytesOutcome::Missing:
            if (MayHoldUndecodableName(path)) return Fail(UndecodableNameReason());
            [[fallthrough]];
        default: return Fail(QString::fromLocal8Bit(failure.Error.message()));
    }
}

Status<QString> WriteWholeFile(const QString& path, const QByteArray& bytes) {
#ifdef SIGXFSZ
    // A file size limit then fails the write, which is reported like a full
    // disk, instead of ending the editor with all its edits.
    static const bool fileSizeSignalIgnored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    Q_UNUSED(fileSizeSignalIgnored);
#endif
    if (path.isEmpty()) return Fail(Tr("No file is chosen."));
    const QFileInfo info(path);
    if (info.isDir()) return Fail(Tr("It is a folder, not a file."));
    // Saving would put a plain file in place of the device or pipe.
    if (info.exists() && !info.isFile()) return Fail(NotRegular());
    if (!QFileInfo(info.absolutePath()).isDir())
        return Fail(Tr("The folder %1 does not exist.").arg(info.absolutePath()));
#ifdef Q_OS_WIN
    const DWORD oldAttributes = AttributesOf(path);
    if (IsReadOnly(oldAttributes))
        return Fail(Tr("The file is read-only. To save it, clear Read-only in the file's Properties."));
#endif
    // Unbuffered, so that every write reaches the file here and its failure
    // shows: QSaveFile::commit() ignores a failure of the last flush of its
    // buffer (Qt 6.4) and would then put a cut or empty file in place of the
    // old one and report success (disk full, file size limit).
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return Fail(file.errorString());
#ifdef Q_OS_UNIX
    KeepOwnerGroupAndMode(file.handle(), path);
#endif
    // A short write is tried again for the rest, whose failure then carries
    // the system's reason ("No space left on device", "File too large").
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 now = file.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return Fail(reason.isEmpty() ? Tr("The file cannot be written.") : reason);
        }
        written += now;
    }
#ifdef Q_OS_UNIX
    KeepOwnerGroupAndMode(file.handle(), path);  // again: the writes cleared the set-id bits
#endif
    if (!file.commit()) return Fail(file.errorString());
#ifdef Q_OS_WIN
    KeepAttributes(path, oldAttributes);
#endif
    return Done{};
}

QString FolderProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && MayHoldUndecodableName(path)) return UndecodableNameReason();
    if (!info.exists()) return Tr("The folder does not exist (any more).");
    if (!info.isDir()) return Tr("It is not a folder.");
    if (!info.isReadable() || !info.isExecutable()) return Tr("Permission denied.");
    return Tr("The folder cannot be read.");
}

}  // namespace orvik
