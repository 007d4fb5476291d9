#pragma once
// Files dropped on a window. Every drag that carries files or addresses is
// taken, wherever on the window it ends (a text box included), so that a drop
// of anything but one stroke file can be told why it opens nothing.
#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

namespace orvik {

class FileDrop : public QObject {
    Q_OBJECT
public:
    // Takes the drops on `window` and its controls, and hands each drop's
    // paths (an address that is no local file as it is) to `dropped` once the
    // drop has ended, so that the program dragged from is not kept waiting by
    // a question.
    FileDrop(QWidget& window, std::function<void(const QStringList&)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QStringList&)> dropped_;
    QStringList entered_;  // the paths of the drag under way
};

// Why the dropped `paths` cannot be opened as one stroke file; empty when
// they can.
QString DropRefusal(const QStringList& paths);

}  // namespace orvik
