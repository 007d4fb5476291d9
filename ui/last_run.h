#pragma once
// What one run of the editor leaves for the next in the user's settings: the
// folder whose strokes were listed, the stroke loaded, and whether all
// timings were shown.
#include <QString>
#include <memory>

class QSettings;

namespace orvik {

struct LastRun {
    QString Folder;  // empty when no folder was listed
    QString Stroke;  // empty when no stroke was loaded
    bool AllTimings = false;
};

// The editor's settings of the user running it.
std::unique_ptr<QSettings> UserSettings();
// Nothing remembered reads as a run that listed no folder and loaded nothing.
LastRun ReadLastRun(const QSettings& settings);
// A run that listed no folder or loaded no stroke keeps the last ones.
void WriteLastRun(QSettings& settings, const LastRun& run);

}  // namespace orvik
