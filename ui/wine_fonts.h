#pragma once
// The Windows editor under wine, as Linux users of the game run it. Qt's
// Windows font engines draw no text in wine's text boxes and lists; its
// FreeType engine, built into Qt for Windows, draws every text.
#include <QStringList>

namespace orvik {

// Under wine, and unless the user chose a platform (-platform or
// QT_QPA_PLATFORM), sets QT_QPA_PLATFORM so that the toolkit starts the
// Windows platform with the FreeType font engine. Does nothing elsewhere.
// Call before the application object is made.
void PreferFreeTypeUnderWine(const QStringList& arguments);

}  // namespace orvik
