// How the window reads and fits: captions readable under a dark palette,
// a mouse edit that Esc cancels or a drag ends, a layout that fits a small
// screen at scale factor 2.
#include <QtTest>
#include <QtWidgets>

#include "support/window_fixture.h"
#include "ui/layout_scale.h"

namespace {

void PointAt(QWidget& window, QPoint twips) {
    QCursor::setPos(window.mapToGlobal(twips / 15));
    QCoreApplication::processEvents();
}

// The largest difference in lightness between a pixel and the commonest colour
// of `image`, its background.
int Contrast(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    const int background = QColor(std::max_element(counts.begin(), counts.end()).key()).lightness();
    int contrast = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        contrast = std::max(contrast, std::abs(QColor(it.key()).lightness() - background));
    return contrast;
}

// The editor's window, active, with a stroke loaded.
orvik::MainWindow& Shown(Editor& editor) {
    editor.Open("a.atr");
    editor.window.show();
    editor.window.activateWindow();
    if (!QTest::qWaitForWindowActive(&editor.window)) qWarning("the window did not become active");
    return editor.window;
}

}  // namespace

class LookTest : public QObject {
    Q_OBJECT
private slots:
    void escapeCancelsAnArmedEdit() {
        Editor editor;
        orvik::MainWindow& window = Shown(editor);
        const double before = window.Stroke().KeyFrames[0].Direction;
        const QString shown = TextOf(window, Label3Of::Direction);
        PointAt(window, {2280, 3000});
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(2280, 3000) / 15);
        PointAt(window, {1275, 3195});
        window.Timer1_Timer();
        QCOMPARE(window.Stroke().KeyFrames[0].Direction, 33750000.0);

        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(window.Mouse().DirectionEditOn, 0);
        QCOMPARE(window.Stroke().KeyFrames[0].Direction, before);
        QCOMPARE(TextOf(window, Label3Of::Direction), shown);
        QCOMPARE(window.Document().Steps(), 0);
        QVERIFY(!window.isWindowModified());
    }

    void aDragSetsTheValueAndEndsTheEdit() {
        Editor editor;
        orvik::MainWindow& window = Shown(editor);
        PointAt(window, {2280, 3000});
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(2280, 3000) / 15);
        PointAt(window, {1275, 3195});
        QTest::mouseMove(&window, QPoint(1275, 3195) / 15);
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(1275, 3195) / 15);
        QCOMPARE(window.Mouse().DirectionEditOn, 0);
        QCOMPARE(window.Stroke().KeyFrames[0].Direction, 33750000.0);
        QCOMPARE(window.Document().Steps(), 1);
        PointAt(window, {3280, 3200});
        window.Timer1_Timer();
        QCOMPARE(window.Stroke().KeyFrames[0].Direction, 33750000.0);
    }

    void theLayoutFitsASmallScreenAtScaleTwo() {
        QCOMPARE(orvik::ScaleToFit({643, 455}, {8, 40}, {1280, 1024}), 1.0);
        QCOMPARE(orvik::ScaleToFit({643, 455}, {8, 40}, {640, 512}), 632.0 / 643);
#ifdef Q_OS_WIN
        // The child's small screen is given through QT_ variables, which wine,
        // where the Windows tests run, keeps from Windows programs.
        QSKIP("the window on a small screen is tried on Linux");
#endif

        QTemporaryDir folder;
        const QString screens = folder.filePath(QStringLiteral("screens.json"));
        WriteBytes(screens, R"({"screens": [{"name": "small", "width": 1280, "height": 1024, "dpr": 1}]})");
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toUtf8());
        qputenv("QT_SCALE_FACTOR", "2");
        if (RanInChild(QStringLiteral("theLayoutFitsASmallScreenAtScaleTwo"))) return;

        orvik::MainWindow::FitToScreen(QGuiApplication::primaryScreen());
        Editor editor;
        orvik::MainWindow& window = Shown(editor);
        SaveScreenshot(window, QStringLiteral("look_scale_two"));
        const QRect available = window.screen()->availableGeometry();
        QCOMPARE(available.width(), 640);
        QVERIFY2(available.contains(window.frameGeometry()),
                 qPrintable(QString::number(window.frameGeometry().width())));
        for (const QWidget* control : window.findChildren<QWidget*>())
            if (control->isVisible() && control->parentWidget() == &window)
                QVERIFY2(window.rect().contains(control->geometry()), qPrintable(control->objectName()));
    }

    // Runs last: the dark palette stays with the process.
    void captionsReadUnderADarkPalette() {
        for (const bool dark : {false, true}) {
            if (dark) {
                QApplication::setStyle(QStringLiteral("Fusion"));
                QPalette palette(QColor(53, 53, 53));  // as dark desktops give it
                palette.setColor(QPalette::WindowText, Qt::white);
                palette.setColor(QPalette::Text, Qt::white);
                palette.setColor(QPalette::Base, QColor(35, 35, 35));
                QApplication::setPalette(palette);
            }
            Editor editor;
            orvik::MainWindow& window = Shown(editor);
            const QImage image = window.grab().toImage();
            SaveScreenshot(window, dark ? QStringLiteral("look_dark") : QStringLiteral("look_light"));
            for (const QLabel* label : window.findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().trimmed().isEmpty()) continue;
                const int contrast = Contrast(image.copy(label->geometry()));
                QVERIFY2(contrast > 150, qPrintable(label->objectName() + ": " + QString::number(contrast)));
            }
        }
    }
};

QTEST_MAIN(LookTest)
#include "look_test.moc"
