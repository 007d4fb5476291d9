#include "document/resolved_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvik {
namespace {

bool IsDotName(const QString& name) {
    return name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..");
}

QString Joined(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

}  // namespace

QString ResolvedPath(const QString& path) {
    if (path.isEmpty()) return {};
    const QString given = QDir::fromNativeSeparators(path);
    const QFileInfo info(given);
    // Absolute without cleaning: QFileInfo::absoluteFilePath() would drop
    // "LINK/.." as text.
    const QString absolute = QDir::isAbsolutePath(given) ? given : Joined(QDir::currentPath(), given);
    if (info.isDir()) {
        const QString canonical = info.canonicalFilePath();
        return canonical.isEmpty() ? absolute : canonical;
    }
    // The folder part as given ("LINK/.." of "LINK/../a.atr"), resolved; the
    // name kept. A name "." or ".." that is no folder names nothing.
    const qsizetype slash = given.lastIndexOf(QLatin1Char('/'));
    const QString name = given.mid(slash + 1);
    if (IsDotName(name)) return absolute;
    // A root folder keeps its slash: "C:" alone is the current folder of drive C.
    const bool inRoot = slash == 0 || (slash == 2 && given.at(1) == QLatin1Char(':'));
    const QString folder = slash < 0 ? QStringLiteral(".") : given.left(inRoot ? slash + 1 : slash);
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (canonicalFolder.isEmpty()) return absolute;
    return Joined(canonicalFolder, name);
}

bool MayHoldUndecodableName(const QString& path) { return path.contains(QChar::ReplacementCharacter); }

QString UndecodableNameReason() {
    return QCoreApplication::translate("orvik::ResolvedPath",
                                       "Its name holds bytes that are not UTF-8 text (shown as \xEF\xBF\xBD), which "
                                       "the editor cannot pass back to the "
                                       "system. Rename it with UTF-8 characters only to open it.");
}

}  // namespace orvik
