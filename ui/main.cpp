// The Orvik stroke editor: one window, main, until it is closed; or, for
// --version, --help, a command line in error and a start without a display,
// a text and no window.
#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <memory>
#include <optional>

#include "ui/command_line.h"
#include "ui/dialogs.h"
#include "ui/display_check.h"
#include "ui/last_run.h"
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
    // The run starts where the last one ended, unless a path is given, and
    // leaves where it ended for the next.
    const std::unique_ptr<QSettings> settings = orvik::UserSettings();
    window.StartAfterLastRun(orvik::ReadLastRun(*settings), command.path);
    const int exitCode = QApplication::exec();
    orvik::WriteLastRun(*settings, window.RunToRemember());
    return exitCode;
}
