#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace orvik {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("orvik::CommandLine", text); }

// The options QApplication takes out of the command line itself. They are
// known here so that the parser, which runs before there is an application
// (--version and --help need no display), does not refuse them.
void AddToolkitOptions(QCommandLineParser& parser) {
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
          "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(Tr("Edits the batting strokes (.atr files) of the Orvik cricket game."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, Tr("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("path"),
                                 Tr("A stroke file to load, or a folder to start in. Without it the editor starts in "
                                    "the folder of its last run, or in the current folder."),
                                 QStringLiteral("[path]"));
    AddToolkitOptions(parser);

    // The parser names the program "<executable_name>" when there is no
    // application object yet.
    const QString program =
        arguments.isEmpty() ? QStringLiteral("orvik-stroke-editor") : QFileInfo(arguments[0]).fileName();
    const QString usage = parser.helpText().replace(QLatin1String("<executable_name>"), program);

    CommandLine result;
    const bool parsed = parser.parse(arguments);
    const QStringList paths = parser.positionalArguments();
    if (!parsed || paths.size() > 1) {
        const QString error =
            parsed ? Tr("Only one path can be given; %1 were.").arg(paths.size()) : parser.errorText();
        result.exitCode = 2;
        result.message = QStringLiteral("%1: %2\n\n%3").arg(program, error, usage);
    } else if (parser.isSet(version)) {
        result.exitCode = 0;
        result.message =
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
    } else if (parser.isSet(help)) {
        result.exitCode = 0;
        result.message = usage;
    } else if (!paths.isEmpty()) {
        // An empty argument ("$UNSET_VARIABLE") names no file, and "-" asks for
        // standard input, which holds no stroke file to save back to.
        const QString& path = paths.first();
        QString wrong;
        if (path.isEmpty())
            wrong = Tr("The path is empty: no file named.");
        else if (path == QLatin1String("-"))
            wrong = Tr("\"-\" names no file: strokes are not read from standard input (for a file named -, give ./-).");
        if (wrong.isEmpty()) {
            result.path = path;
        } else {
            result.exitCode = 2;
            result.message = QStringLiteral("%1: %2\n\n%3").arg(program, wrong, usage);
        }
    }
    return result;
}

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
#ifdef Q_OS_WIN
    // The command line as Windows keeps it, in UTF-16: argv holds it in the
    // local code page, which loses the letters that page lacks.
    int count = 0;
    if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) arguments << QString::fromWCharArray(wide[i]);
        ::LocalFree(wide);
        return arguments;
    }
#endif
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void UseParentConsole() {
#ifdef Q_OS_WIN
    // A window program started from a command prompt has no console of its
    // own: its help, version and errors go to the prompt's.
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if ((output == nullptr || ::GetFileType(output) == FILE_TYPE_UNKNOWN) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
#endif
}

}  // namespace orvik
