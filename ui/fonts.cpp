#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>

#include "ui/layout_scale.h"

namespace orvik {
namespace {

QFont FontOf(const QString& family, double pointSize, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// Whether the font database lists the family, alone or as "family [foundry]".
bool Listed(const QStringList& installed, const QString& family) {
    const QString withFoundry = family + QStringLiteral(" [");
    for (const QString& entry : installed) {
        if (entry.compare(family, Qt::CaseInsensitive) == 0 || entry.startsWith(withFoundry, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

}  // namespace

QStringList LayoutFamilies() {
#ifdef Q_OS_WIN
    // Windows' "MS Sans Serif" is a bitmap font of a few fixed sizes, which
    // Qt's font engines do not draw; "Microsoft Sans Serif" is its outline
    // font of the same shapes and widths, on every Windows. Wine may offer
    // only the fonts of the system after it.
    return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Arial"),
            QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
#else
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
            QStringLiteral("Arial"),         QStringLiteral("Liberation Sans"),
            QStringLiteral("Helvetica"),     QStringLiteral("Nimbus Sans"),
            QStringLiteral("FreeSans")};
#endif
}

// Qt would find the same faces for the layout's family with the others as its
// substitutes (QFont::insertSubstitutions), but it searches afresh for every
// size and weight, and before it tries the substitutes it has Fontconfig sort
// every installed font by likeness: on a desktop with hundreds of fonts that
// costs more than laying out and drawing the window's text.
QString FirstInstalledFamily(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (Listed(installed, family)) return family;
    }
    // Looked up at the windows' own size, whose face the window draws anyway.
    return QFontInfo(FontOf(families.value(0), 8.25, false)).family();
}

QFont SansSerifFont(double pointSize, bool bold) {
    static const QString family = FirstInstalledFamily(LayoutFamilies());
    return FontOf(family, ScaledPointSize(pointSize), bold);
}

}  // namespace orvik
