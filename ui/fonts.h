#pragma once
// The editor's fonts are asked for by name. Where "MS Sans Serif" is not
// installed, the first installed font of a list of sans serifs of about its
// width serves; without those Qt's own nearest match.
#include <QFont>
#include <QString>
#include <QStringList>

namespace orvik {

// The layout's family, then the families that stand in for it, in order.
QStringList LayoutFamilies();

// The first of the families that is installed; where none is, the family of
// Qt's nearest match for the first.
QString FirstInstalledFamily(const QStringList& families);

// The layout's sans serif at a size, regular or bold, in the family found
// once for the whole run.
QFont SansSerifFont(double pointSize, bool bold);

// Captions and lists of the main window.
inline QFont CaptionFont() { return SansSerifFont(8.25, true); }
// The windows' own font, which text boxes and buttons use.
inline QFont WindowFont() { return SansSerifFont(8.25, false); }

}  // namespace orvik
