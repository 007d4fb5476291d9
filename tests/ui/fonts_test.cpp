// The window's fonts: the faces Qt's own substitution of the layout's family
// gives, though the editor looks the family up only once.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

#include "ui/fonts.h"

namespace {

// Qt's nearest match for a family that is not installed.
QString NearestFamily(const QString& family) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(30);
    return QFontInfo(font).family();
}

}  // namespace

class FontsTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstInstalledFamilyServes() {
        const QString missing = QStringLiteral("No Such Family");
        const QString nearest = NearestFamily(missing);
        // An installed family other than the nearest match, as an installed
        // "Arial" or "Liberation Sans" would be.
        QString installed;
        for (const QString& family : QFontDatabase::families(QFontDatabase::Latin)) {
            if (family != nearest && !family.contains(QLatin1Char('['))) installed = family;
        }
        if (installed.isEmpty()) QSKIP("only one font family is installed");
        QCOMPARE(orvik::FirstInstalledFamily({missing, installed, nearest}), installed);
        QCOMPARE(orvik::FirstInstalledFamily({missing, QStringLiteral("Nor This One")}), nearest);
    }

    void fontsAreTheFacesQtsSubstitutionGives() {
        const QStringList families = orvik::LayoutFamilies();
        QFont::insertSubstitutions(families.first(), families.mid(1));
        const std::pair<double, bool> sizes[] = {{8.25, false}, {8.25, true}, {6.75, true}, {9.75, true}, {12, true}};
        for (const auto& [pointSize, bold] : sizes) {
            const QFont font = orvik::SansSerifFont(pointSize, bold);
            QFont asked(families.first());
            asked.setStyleHint(QFont::SansSerif);
            asked.setPointSizeF(pointSize);
            asked.setBold(bold);
            QCOMPARE(QFontInfo(font).family(), QFontInfo(asked).family());
            QCOMPARE(QFontInfo(font).pixelSize(), QFontInfo(asked).pixelSize());
            QCOMPARE(QFontInfo(font).weight(), QFontInfo(asked).weight());
            const QString caption = QStringLiteral("Stroke Played against");
            QCOMPARE(QFontMetrics(font).horizontalAdvance(caption), QFontMetrics(asked).horizontalAdvance(caption));
        }
    }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
