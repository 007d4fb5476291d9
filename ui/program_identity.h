#pragma once
// The program's name, version and desktop entry as the toolkit hands them on:
// to --version, to the about box, and to the window manager, which finds the
// desktop entry and the icon by the entry's name.
#include <QString>

namespace orvik {

// Sets the application's name, version and desktop entry name. Needs no
// application object yet.
void SetProgramIdentity();

}  // namespace orvik
