#pragma once
// Dir1: the folder list. It shows the current folder, its parent folders up to
// the drive's root (each indented one step deeper) and the current folder's
// subfolders. Opening an entry (double click, or Enter on the selected one)
// sets Path to it. Setting Path from code raises Change() when the path
// changes, and the connected handler runs to its end before SetPath returns.
#include <QIcon>
#include <QListWidget>
#include <QString>

#include "core/result.h"

namespace orvik {

class DirList : public QListWidget {
    Q_OBJECT
public:
    // Item data of every entry: the folder it opens, and its indentation step
    // (0 for the root).
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int DepthRole = Qt::UserRole + 1;

    explicit DirList(QWidget* parent = nullptr);

    QString Path() const;
    // Sets the folder shown. When `path` is not a folder that can be read,
    // gives the reason in words, and nothing changes and no Change() is raised.
    Status<QString> SetPath(const QString& path);
    // Shows `path` without raising Change(): the start-up folder.
    Status<QString> ShowPath(const QString& path);

signals:
    void Change();
    // The user opened an entry whose folder cannot be read, for `reason`; the
    // list shows the current folder again.
    void OpenRefused(const QString& path, const QString& reason);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Status<QString> Open(const QString& path, bool announce);
    void OpenItem(QListWidgetItem* item);
    void Fill(const QString& folder);

    QString path_;
    QIcon openIcon_, closedIcon_;
};

}  // namespace orvik
