#pragma once
// The editor's fonts are asked for by name. Where "MS Sans Serif" is not
// installed, Qt's font substitution picks the first installed font of a list of
// sans serifs of about its width; without those Qt's own nearest match serves.
#include <QFont>
#include <QStringList>

#include "ui/layout_scale.h"

namespace orvik {

inline QFont SansSerifFont(double pointSize, bool bold) {
    static const bool substitutesKnown = [] {
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
             QStringLiteral("Helvetica"), QStringLiteral("Nimbus Sans"), QStringLiteral("FreeSans")});
#ifdef Q_OS_WIN
        // Windows has it; wine may offer only the fonts of the system below.
        QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"),
                                   {QStringLiteral("Tahoma"), QStringLiteral("Arial"),
                                    QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
#endif
        return true;
    }();
    (void)substitutesKnown;
#ifdef Q_OS_WIN
    // Windows' "MS Sans Serif" is a bitmap font of a few fixed sizes, which
    // Qt's font engines do not draw; "Microsoft Sans Serif" is its outline
    // font of the same shapes and widths, on every Windows.
    QFont font(QStringLiteral("Microsoft Sans Serif"));
#else
    QFont font(QStringLiteral("MS Sans Serif"));
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(ScaledPointSize(pointSize));
    font.setBold(bold);
    return font;
}

// Captions and lists of the main window.
inline QFont CaptionFont() { return SansSerifFont(8.25, true); }
// The windows' own font, which text boxes and buttons use.
inline QFont WindowFont() { return SansSerifFont(8.25, false); }

}  // namespace orvik
