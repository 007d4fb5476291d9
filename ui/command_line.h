#pragma once
// The command line: orvik-stroke-editor [--help] [--version] [PATH]. The
// toolkit's own options (-platform, -style, ...) pass through to it.
#include <QString>
#include <QStringList>
#include <optional>

namespace orvik {

struct CommandLine {
    // The stroke file or folder to start in.
    std::optional<QString> path;
    // Set when the program ends without a window: its exit code, and the text
    // for standard output (exit code 0) or standard error.
    std::optional<int> exitCode;
    QString message;
};

// `arguments` as main receives them, the program first. The application's
// name and version must be set (SetProgramIdentity).
CommandLine ParseCommandLine(const QStringList& arguments);

// The program's arguments, the program first.
QStringList ArgumentsOf(int argc, char** argv);

// Where the program was started from a command prompt, its standard output
// and error go to that prompt, on a system that gives a window program none.
void UseParentConsole();

}  // namespace orvik
