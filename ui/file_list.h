#pragma once
// File1: the hidden file list. It lists the names (without folder) of the
// plain files in Path that match its pattern, "*.atr", regardless of case, in
// name order.
#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/result.h"

namespace orvik {

// The name order of the browsing lists: case-insensitive, and names that differ
// only in case by their exact characters, so the order never depends on the
// order in which the file system returned them.
void SortNames(QStringList& names);

class FileList : public QWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // Lists the folder, or gives why it cannot be read; the list is then empty
    // and Path is `path` all the same.
    Status<QString> SetPath(const QString& path);
    int ListCount() const { return static_cast<int>(names_.size()); }
    QString List(int index) const;  // empty outside 0 to ListCount() - 1
    const QStringList& Names() const { return names_; }

private:
    QString pattern_ = QStringLiteral("*.atr");
    QString path_;
    QStringList names_;
};

}  // namespace orvik
