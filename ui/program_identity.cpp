#include "ui/program_identity.h"

#include <QGuiApplication>

namespace orvik {

// Both come from the top CMakeLists.txt, as do the installed files' names
// and the package's version.
QString ProgramId() { return QStringLiteral(ORVIK_PROGRAM_ID); }

void SetProgramIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("Orvik Stroke Editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVIK_VERSION));
    QGuiApplication::setDesktopFileName(ProgramId());
}

}  // namespace orvik
