#include "ui/drive_list.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

#include "document/resolved_path.h"
#include "ui/path_case.h"

namespace orvik {
namespace {

#ifndef Q_OS_WIN
// File systems of the kernel and the system's own bookkeeping: nothing a user
// keeps stroke files on.
bool IsPseudoFileSystem(const QByteArray& type) {
    static const QByteArray Types[] = {"proc",      "sysfs",       "cgroup",          "cgroup2",     "devpts",
                                       "devtmpfs",  "mqueue",      "debugfs",         "tracefs",     "securityfs",
                                       "pstore",    "bpf",         "configfs",        "fusectl",     "hugetlbfs",
                                       "autofs",    "binfmt_misc", "efivarfs",        "rpc_pipefs",  "nsfs",
                                       "selinuxfs", "nfsd",        "fuse.gvfsd-fuse", "fuse.portal", "squashfs"};
    return std::find(std::begin(Types), std::end(Types), type) != std::end(Types);
}

bool IsUnder(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// Mount points inside the system's own folders (the run-time state, devices,
// snap packages) are not browsed either; removable drives under /run/media are.
bool IsSystemMount(const QString& root) {
    if (IsUnder(root, QStringLiteral("/run/media"))) return false;
    for (const char* folder : {"/proc", "/sys", "/dev", "/run", "/var/run", "/snap"}) {
        if (IsUnder(root, QLatin1String(folder))) return true;
    }
    return false;
}
#endif

// The root folder of the volume that holds `folder`. A folder that does not
// exist (any more) belongs to the volume of its nearest existing parent.
QString VolumeRoot(const QString& folder) {
    QString existing = ResolvedPath(folder.isEmpty() ? QDir::currentPath() : folder);
    for (int depth = 0; depth < 4096 && !QFileInfo::exists(existing); ++depth) {
        const QString parent = QFileInfo(existing).absolutePath();
        if (parent == existing) break;
        existing = parent;
    }
    const QStorageInfo volume(existing);
    if (volume.isValid() && !volume.rootPath().isEmpty()) return volume.rootPath();
    return QDir(existing).rootPath();
}

// The drives to offer, sorted by root folder.
QStringList DriveRoots() {
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) roots.push_back(drive.absoluteFilePath());
#else
    roots.push_back(QStringLiteral("/"));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = volume.rootPath();
        // A file mounted over another (as containers do with /etc/hosts) is no drive.
        if (IsPseudoFileSystem(volume.fileSystemType()) || IsSystemMount(root) || !QFileInfo(root).isDir()) continue;
        roots.push_back(root);
    }
#endif
    return roots;
}

QString DriveText(const QString& root) {
#ifdef Q_OS_WIN
    // A drive by its letter, "C:", as Windows names drives.
    QString text = root;
    if (text.size() == 3 && text.endsWith(QLatin1Char('/'))) text.chop(1);
    return QDir::toNativeSeparators(text);
#else
    QString text = QDir::toNativeSeparators(root);
    // The volume's label, where it has one. (Asking a Windows drive letter
    // for its label can wait on a floppy or a network drive.)
    const QString label = QStorageInfo(root).name();
    if (!label.isEmpty() && label != root) text += QStringLiteral("  [") + label + QLatin1Char(']');
    return text;
#endif
}

}  // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    startVolume_ = VolumeRoot(QDir::currentPath());
    // activated() comes from the user only; choosing the same entry again is
    // filtered out in UserActivated.
    connect(this, &QComboBox::activated, this, &DriveList::UserActivated);
    chosen_ = startVolume_;
    Refresh();
}

QString DriveList::Drive() const { return currentData().toString(); }

void DriveList::ShowDriveOf(const QString& folder) {
    // Chosen first, so that a volume missing from the list (mounted since,
    // or one of those left out) is added by Refresh.
    chosen_ = VolumeRoot(folder);
    if (findData(chosen_) < 0) {
        Refresh();
    } else {
        Select(chosen_);
    }
}

void DriveList::Refresh() {
    QStringList roots = DriveRoots();
    // The start-up volume and the chosen drive stay listed even when they are
    // filtered out or gone (a removed stick): choosing it again then reports
    // the drive as unreadable instead of silently showing another.
    for (const QString& keep : {startVolume_, chosen_}) {
        if (!keep.isEmpty()) roots.push_back(keep);
    }
    std::sort(roots.begin(), roots.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, PathCase) < 0; });
    roots.erase(std::unique(roots.begin(), roots.end(),
                            [](const QString& a, const QString& b) { return QString::compare(a, b, PathCase) == 0; }),
                roots.end());
    Fill(roots);
}

void DriveList::showPopup() {
    Refresh();
    QComboBox::showPopup();
}

void DriveList::Fill(const QStringList& roots) {
    // Filling from code raises currentIndexChanged but never activated(), so
    // no Change() follows.
    clear();
    for (const QString& root : roots) addItem(DriveText(root), root);
    Select(chosen_);
}

void DriveList::Select(const QString& root) {
    int index = -1;
    for (int i = 0; i < count(); ++i) {
        if (QString::compare(itemData(i).toString(), root, PathCase) == 0) {
            index = i;
            break;
        }
    }
    if (index < 0) return;
    setCurrentIndex(index);
    chosen_ = itemData(index).toString();
}

void DriveList::UserActivated(int index) {
    const QString root = itemData(index).toString();
    if (QString::compare(root, chosen_, PathCase) == 0) return;
    chosen_ = root;
    emit Change();
}

}  // namespace orvik
