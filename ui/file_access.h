#pragma once
// File system work whose failures the user is told about, each with the reason
// in words: reading a stroke file whole, writing one in a single piece,
// listing a folder.
#include <QByteArray>
#include <QString>
#include <string>

namespace orvik {

// Reads the stroke file `path` whole into `bytes`. Returns the reason when it
// is no stroke file that can be read: missing, no permission, a folder, a
// device, a pipe or a socket (also behind a link: such a file is never opened,
// so the editor never waits on it), or larger than a stroke file may be.
// Empty on success.
QString ReadStrokeFileBytes(const QString& path, std::string& bytes);

// Replaces the file `path` by `bytes` in one step: the old content stays whole
// until the new one is completely on disk. Returns the reason when it fails
// (the folder is gone, the path is a folder or a device, the disk is full, the
// file size limit is reached); empty on success, and the file unchanged on
// failure. A link is followed: what it leads to is replaced. The new file
// keeps the old one's mode and group, and its owner where the user may set it.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

// Why the folder `path` cannot be listed.
QString FolderProblem(const QString& path);

}  // namespace orvik
