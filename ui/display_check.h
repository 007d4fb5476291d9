#pragma once
// Starting the window without a display. The toolkit aborts when it finds no
// display ("Reinstalling the application may fix this problem"); the editor
// instead says in one line on standard error that there is no display and how
// to give one, and ends with exit status 1.
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace orvik {

// The line to print when the platform the toolkit would start (-platform,
// else QT_QPA_PLATFORM, else X11 or Wayland as the session says) needs a
// display and none is given: no DISPLAY for X11, no Wayland socket. Empty
// when there may be one, or when another platform (offscreen, vnc...) is
// chosen. `arguments` as main receives them, the program first.
QString MissingDisplayMessage(const QStringList& arguments);

// While it lives, a failure of the toolkit to start its platform (a DISPLAY
// naming a display that is not there) prints that line instead and ends the
// program with exit status 1, without an abort or a core file. The toolkit's
// own warnings about its platform are held back meanwhile; they are given
// once the platform started after all.
class PlatformStartGuard {
public:
    explicit PlatformStartGuard(QString program);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

private:
    QtMessageHandler previous_;
};

}  // namespace orvik
