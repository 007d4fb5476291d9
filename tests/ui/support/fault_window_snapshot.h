#pragma once
// Everything a refused load or a refused save must leave as it was: the
// record field by field, every text box, label and list of the window with
// its entries and selection, the caption, the current file name, the Save and
// Reset buttons and the preview lines. Two snapshots compare equal when the
// user and the next Save could not tell the window states apart.
#include <QStringList>

#include "core/stroke_file.h"

namespace orvik {
class MainWindow;
}

// The record as text, one entry per field (trailing lines -10 to 65 included).
QStringList RecordFields(const orvik::StrokeFile& stroke);

QStringList WindowSnapshot(orvik::MainWindow& window);
