// Open without its dialog: the steps of Command2_Click after the choice, for
// a path that comes from elsewhere (the command line).
#include <QFile>

#include "ui/main_window.h"

namespace orvik {

void MainWindow::OpenFile(const QString& path) {
    const PreviewLines before = preview_.Lines;
    QFile file(path);
    if (!OpenOrTell(file)) return;
    CommonDialog1.SetFileName(path);
    Command3->setEnabled(true);
    ShowCaptionForFile();
    LoadBody(file, LoadEntry::Open);
    RepaintPreview(before);
}

}  // namespace orvik
