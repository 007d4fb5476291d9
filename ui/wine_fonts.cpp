#include "ui/wine_fonts.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace orvik {

void PreferFreeTypeUnderWine(const QStringList& arguments) {
#ifdef Q_OS_WIN
    // Wine's ntdll exports its version; Windows' does not.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const bool wine = ntdll && GetProcAddress(ntdll, "wine_get_version");
    const bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
                                arguments.contains(QStringLiteral("-platform")) ||
                                arguments.contains(QStringLiteral("--platform"));
    if (wine && !platformChosen) qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#else
    Q_UNUSED(arguments);
#endif
}

}  // namespace orvik
