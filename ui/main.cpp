// The Orvik stroke editor: one window, main, until it is closed; or, for
// --version, --help and a command line in error, a text and no window.
#include <QApplication>
#include <cstdio>

#include "ui/command_line.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/program_identity.h"

int main(int argc, char** argv) {
    orvik::SetProgramIdentity();
    const orvik::CommandLine command = orvik::ParseCommandLine(orvik::ArgumentsOf(argc, argv));
    if (command.exitCode) {
        std::fputs(command.message.toLocal8Bit().constData(), *command.exitCode == 0 ? stdout : stderr);
        return *command.exitCode;
    }

    QApplication app(argc, argv);
    orvik::Dialogs dialogs;
    orvik::MainWindow window(dialogs);
    window.show();
    if (command.path) window.StartIn(*command.path);
    return QApplication::exec();
}
