#include "ui/file_drop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <utility>

namespace orvik {

FileDrop::FileDrop(QWidget& window, std::function<void(const QStringList&)> dropped)
    : QObject(&window), dropped_(std::move(dropped)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    // The text boxes take dropped text of their own; a dropped file comes here.
    for (QWidget* control : window.findChildren<QWidget*>())
        if (control->acceptDrops()) control->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* /*watched*/, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    // QDragEnterEvent and QDragMoveEvent are drop events too.
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls()) return false;
    // Always a copy: a move would have the program dragged from delete the file.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::DragMove) return true;
    QStringList paths;
    for (const QUrl& url : drop->mimeData()->urls()) paths << (url.isLocalFile() ? url.toLocalFile() : url.toString());
    // Some programs dragged from give the files when the drag enters and no
    // longer at the drop: the drop then takes those the drag entered with.
    if (type == QEvent::DragEnter) {
        entered_ = paths;
        return true;
    }
    if (paths.isEmpty()) paths = std::exchange(entered_, {});
    QMetaObject::invokeMethod(
        this, [this, paths] { dropped_(paths); }, Qt::QueuedConnection);
    return true;
}

QString DropRefusal(const QStringList& paths) {
    if (paths.isEmpty()) return FileDrop::tr("Nothing that can be opened was dropped; drop a stroke file (.atr).");
    if (paths.size() != 1)
        return FileDrop::tr("%1 files were dropped; drop one stroke file (.atr) at a time.").arg(paths.size());
    const QString& path = paths.front();
    const QFileInfo info(path);
    if (info.isDir())
        return FileDrop::tr("%1 is a folder, not a stroke file; open folders in the folder list.").arg(path);
    if (!info.isFile())
        return FileDrop::tr("%1 is not a file on this computer that can be opened; only stroke files (.atr) can.")
            .arg(path);
    if (info.suffix().compare(QStringLiteral("atr"), Qt::CaseInsensitive) != 0)
        return FileDrop::tr("%1 is not a stroke file: only files ending in .atr can be opened.").arg(path);
    return {};
}

}  // namespace orvik
