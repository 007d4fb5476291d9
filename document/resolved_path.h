#pragma once
// Paths as the file system resolves them. A path is never cleaned as text:
// with LINK a link to real/sub, "LINK/../a.atr" names real/a.atr, as the
// system opens it, and not ./a.atr, which cleaning the text would give.
#include <QString>

namespace orvik {

// The absolute path of what `path` names, in Qt's form ('/' between names):
// - a folder: its canonical path, links and "." and ".." resolved;
// - anything else: the canonical path of the folder it lies in, then its own
//   name as given, so that a file that does not exist yet (a save's target)
//   is named too, and a link keeps its own name (opening it still reaches
//   what it leads to);
// - a path whose folder does not exist: made absolute, its text unchanged.
// Empty for an empty path.
QString ResolvedPath(const QString& path);

// Whether `path` may stand for a name the system holds in bytes that are not
// UTF-8 text: Qt puts U+FFFD in place of such bytes, and the name it gives
// back then names no file.
bool MayHoldUndecodableName(const QString& path);

// The reason to give when such a path names no file.
QString UndecodableNameReason();

}  // namespace orvik
