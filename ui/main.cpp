// The Orvik stroke editor: one window, main, until it is closed; or, for
// --version, --help, a command line in error and a start without a display,
// a text and no window.
#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <optional>

#include "ui/command_line.h"
#include "ui/dialogs.h"
#include "ui/display_check.h"
#include "ui/main_window.h"
#include "ui/program_identity.h"
#include "ui/wine_fonts.h"

int main(int argc, char** argv) {
    orvik::SetProgramIdentity();
    const QStringList arguments = orvik::ArgumentsOf(argc, argv);
    const orvik::CommandLine command = orvik::ParseCommandLine(arguments);
    if (command.exitCode) {
        orvik::UseParentConsole();
        std::fputs(command.message.toLocal8Bit().constData(), *command.exitCode == 0 ? stdout : stderr);
        return *command.exitCode;
    }
    if (const QString missing = orvik::MissingDisplayMessage(arguments); !missing.isEmpty()) {
        std::fputs(missing.toLocal8Bit().constData(), stderr);
        return 1;
    }

    orvik::PreferFreeTypeUnderWine(arguments);
    const QString program = QFileInfo(arguments.value(0)).fileName();
    std::optional<orvik::PlatformStartGuard> guard(std::in_place,
                                                   program.isEmpty() ? QStringLiteral("orvik-stroke-editor") : program);
    QApplication app(argc, argv);
    guard.reset();
    orvik::MainWindow::FitToScreen(QGuiApplication::primaryScreen());
    orvik::Dialogs dialogs;
    orvik::MainWindow window(dialogs);
    window.show();
    if (command.path) window.StartIn(*command.path);
    return QApplication::exec();
}
