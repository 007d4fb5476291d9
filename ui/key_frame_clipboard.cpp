#include "ui/key_frame_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>

namespace orvik {

void CopyKeyFrameToClipboard(const KeyFrame& keyFrame) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(KeyFrameText(keyFrame)));
}

Result<KeyFrame> KeyFrameFromClipboard() {
    return ReadKeyFrameText(QGuiApplication::clipboard()->text().toStdString());
}

QString PasteRefusal(const std::string& problem) {
    return QCoreApplication::translate("orvik::MainWindow",
                                       "The clipboard holds no key frame. %1\nA key frame is four lines as a stroke "
                                       "file holds them, for example:\n%2")
        .arg(QString::fromStdString(problem),
             QString::fromLatin1(KeyFrameTextExample.data(), qsizetype(KeyFrameTextExample.size())));
}

}  // namespace orvik
