#pragma once
// Whether two paths that differ only in letter case name the same folder: on
// Windows they do, elsewhere they do not.
#include <QtGlobal>

namespace orvik {

#ifdef Q_OS_WIN
inline constexpr Qt::CaseSensitivity PathCase = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity PathCase = Qt::CaseSensitive;
#endif

}  // namespace orvik
