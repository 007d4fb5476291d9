#pragma once
// File system work whose failures the user is told about, each with the reason
// in words: reading a stroke file whole, writing one in a single piece,
// listing a folder.
#include <QByteArray>
#include <QString>
#include <string>

#include "core/result.h"

namespace orvik {

// The bytes of the stroke file `path`, read whole, or the reason when it is no
// stroke file that can be read: missing, no permission, a folder, a device, a
// pipe or a socket (also behind a link: such a file is never opened, so the
// editor never waits on it), or larger than a stroke file may be.
Result<std::string, QString> ReadStrokeFileBytes(const QString& path);

// Replaces the file `path` by `bytes` in one step: the old content stays whole
// until the new one is completely on disk. Gives the reason when it fails (the
// folder is gone, the path is a folder or a device, the disk is full, the file
// size limit is reached), and the file is then unchanged. A link is followed:
// what it leads to is replaced. The new file keeps the old one's mode and
// group, and its owner where the user may set it.
Status<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);

// Why the folder `path` cannot be listed.
QString FolderProblem(const QString& path);

}  // namespace orvik
