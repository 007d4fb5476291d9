#pragma once
// File system work whose failures the user is told about, each with the reason
// in words: opening a stroke file for reading, writing one in a single piece,
// listing a folder.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace orvik {

// Opens `file` for reading. Returns the reason when it cannot be read (missing,
// a folder, no permission); empty on success.
QString OpenForReading(QFile& file);

// Replaces the file `path` by `bytes` in one step: the old content stays whole
// until the new one is completely on disk. Returns the reason when it fails
// (the folder is gone, the path is a folder, the disk is full); empty on
// success, and the file unchanged on failure.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

// Why the folder `path` cannot be listed.
QString FolderProblem(const QString& path);

}  // namespace orvik
