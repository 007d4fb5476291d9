#include "ui/program_identity.h"

#include <QGuiApplication>

namespace orvik {

namespace {

// The name of the desktop entry, the icon and the AppStream metadata. It and
// ORVIK_VERSION come from the top CMakeLists.txt, as do the installed files'
// names and the package's version.
QString ProgramId() { return QStringLiteral(ORVIK_PROGRAM_ID); }

}  // namespace

void SetProgramIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("Orvik Stroke Editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVIK_VERSION));
    QGuiApplication::setDesktopFileName(ProgramId());
}

}  // namespace orvik
