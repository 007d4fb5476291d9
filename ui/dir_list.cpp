#include "ui/dir_list.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "document/file_access.h"
#include "document/resolved_path.h"
#include "ui/controls.h"
#include "ui/file_list.h"
#include "ui/icon.h"
#include "ui/path_case.h"

namespace orvik {
namespace {

// Draws each entry shifted right by its depth, so the parent folders read as
// a path going down from the root.
class IndentDelegate : public QStyledItemDelegate {
public:
    IndentDelegate(int step, QObject* parent) : QStyledItemDelegate(parent), step_(step) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.adjust(Indent(index), 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += Indent(index);
        return size;
    }

private:
    int Indent(const QModelIndex& index) const { return step_ * index.data(DirList::DepthRole).toInt(); }

    int step_;
};

// The folder as the file system resolves it: absolute, links, "." and ".."
// followed ("LINK/.." is the folder above LINK's target); empty for an empty
// path.
QString Normalised(const QString& path) { return ResolvedPath(path); }

bool IsReadableFolder(const QString& path) {
    const QFileInfo info(path);
#ifdef Q_OS_WIN
    return info.isDir() && info.isReadable();
#else
    // Listing a folder needs read permission, looking into its entries search
    // (execute) permission.
    return info.isDir() && info.isReadable() && info.isExecutable();
#endif
}

// The folder and its parents, the root first.
QStringList FolderChain(const QString& folder) {
    QStringList chain;
    QString current = folder;
    // The bound only guards against a path whose parent never reaches a root.
    for (int depth = 0; depth < 4096; ++depth) {
        chain.prepend(current);
        const QString parent = QFileInfo(current).absolutePath();
        if (parent.isEmpty() || QString::compare(parent, current, PathCase) == 0) break;
        current = parent;
    }
    return chain;
}

QString EntryText(const QString& folder, bool isRoot) {
    if (isRoot) return QDir::toNativeSeparators(folder);
    return QFileInfo(folder).fileName();
}

QString ChildPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

}  // namespace

DirList::DirList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new IndentDelegate(fontMetrics().averageCharWidth() * 2, this));
    connect(this, &QListWidget::itemDoubleClicked, this, &DirList::OpenItem);
    // A working folder that cannot be read leaves the list empty.
    static_cast<void>(ShowPath(QDir::currentPath()));
}

QString DirList::Path() const { return path_; }

Status<QString> DirList::SetPath(const QString& path) { return Open(path, true); }

Status<QString> DirList::ShowPath(const QString& path) { return Open(path, false); }

Status<QString> DirList::Open(const QString& path, bool announce) {
    const QString folder = Normalised(path);
    if (folder.isEmpty() || !IsReadableFolder(folder)) return Fail(FolderProblem(path));
    const bool changed = QString::compare(folder, path_, PathCase) != 0;
    // Opening the same folder again lists it anew (its subfolders may have
    // changed) but is no change of folder; showing it again from code does
    // nothing.
    if (!changed && !announce) return Done{};
    Fill(folder);
    path_ = folder;
    // A direct call: the handler runs to its end before SetPath returns.
    if (changed && announce) emit Change();
    return Done{};
}

void DirList::Fill(const QString& folder) {
    clear();
    const QStringList chain = FolderChain(folder);
    // The icons are painted once, not on every folder change.
    if (openIcon_.isNull()) openIcon_ = FolderIcon(true);
    if (closedIcon_.isNull()) closedIcon_ = FolderIcon(false);
    const QIcon& openIcon = openIcon_;
    const QIcon& closedIcon = closedIcon_;
    auto add = [this](const QString& entryPath, const QString& text, const QIcon& icon, int depth) {
        auto* item = new QListWidgetItem(icon, text, this);
        item->setData(PathRole, entryPath);
        item->setData(DepthRole, depth);
        item->setToolTip(PlainToolTip(QDir::toNativeSeparators(entryPath)));
        return item;
    };
    QListWidgetItem* current = nullptr;
    for (qsizetype i = 0; i < chain.size(); ++i) current = add(chain[i], EntryText(chain[i], i == 0), openIcon, int(i));

    // Hidden folders stay out, as in the system's file dialogs by default. The
    // filter also lets through links to devices and pipes: only folders stay.
    QStringList subfolders = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    subfolders.removeIf([&folder](const QString& name) { return !QFileInfo(ChildPath(folder, name)).isDir(); });
    SortNames(subfolders);
    const int depth = int(chain.size());
    for (const QString& name : subfolders) add(ChildPath(folder, name), name, closedIcon, depth);

    // Making it current scrolls to it: at once where the list is shown, when
    // it is shown otherwise, so that the entries are laid out once, not
    // first for a list that is not on screen yet.
    setCurrentItem(current);
}

void DirList::OpenItem(QListWidgetItem* item) {
    if (item == nullptr) return;
    // Copied: opening the folder refills the list and deletes the item.
    const QString target = item->data(PathRole).toString();
    const Status<QString> opened = SetPath(target);
    if (opened) return;
    // The folder has gone (or cannot be read): show what is there now.
    if (IsReadableFolder(path_)) Fill(path_);
    emit OpenRefused(target, opened.Why());
}

void DirList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OpenItem(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace orvik
