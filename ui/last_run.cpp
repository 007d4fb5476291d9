#include "ui/last_run.h"

#include <QSettings>

namespace orvik {

namespace {
const QString FolderKey = QStringLiteral("LastRun/Folder");
const QString StrokeKey = QStringLiteral("LastRun/Stroke");
const QString AllTimingsKey = QStringLiteral("LastRun/AllTimings");
}  // namespace

std::unique_ptr<QSettings> UserSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvik"),
                                       QStringLiteral("Orvik Stroke Editor"));
}

LastRun ReadLastRun(const QSettings& settings) {
    return {settings.value(FolderKey).toString(), settings.value(StrokeKey).toString(),
            settings.value(AllTimingsKey, false).toBool()};
}

// A folder gone for one run (a drive not plugged in) is tried again on the
// next.
void WriteLastRun(QSettings& settings, const LastRun& run) {
    if (!run.Folder.isEmpty()) settings.setValue(FolderKey, run.Folder);
    if (!run.Stroke.isEmpty()) settings.setValue(StrokeKey, run.Stroke);
    settings.setValue(AllTimingsKey, run.AllTimings);
    settings.sync();
}

}  // namespace orvik
