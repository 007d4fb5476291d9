// The Orvik stroke editor: one window, main, until it is closed.
#include <QApplication>

#include "ui/dialogs.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvik Stroke Editor"));
    orvik::Dialogs dialogs;
    orvik::MainWindow window(dialogs);
    window.show();
    return QApplication::exec();
}
