// Mouse editing through the window's surface: a click arms a view, the
// pointer's position reaches the key frame on the next tick.
#include <QTemporaryDir>
#include <QtTest>

#include "core/numbers.h"
#include "preview/geometry.h"
#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

using orvik::MainWindow;

class MainWindowMouseTest : public QObject {
    Q_OBJECT
private slots:
    void editsDirectionAndHeightWithThePointer();
};

void MainWindowMouseTest::editsDirectionAndHeightWithThePointer() {
    QTemporaryDir folder;
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {WriteStroke(folder.filePath("a-Cc024.atr"), SampleStroke({}))};
    window.Command2_Click();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Find<QTimer>(window, "Timer1")->stop();  // the ticks below are the test's own

    // Pixels of the surface are 15 twips each.
    QTest::mouseMove(&window, QPoint(80, 200));
    QCOMPARE(window.Mouse().MouseX, 1200);
    QCOMPARE(window.Mouse().MouseY, 3000);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(80, 200));
    QCOMPARE(window.Mouse().DirectionEditOn, -1);
    QCOMPARE(window.Mouse().HeightEditOn, 0);

    // Moves over a control are the control's own.
    QTest::mouseMove(&window, Find<QWidget>(window, "Combo1")->geometry().center());
    QCOMPARE(window.Mouse().MouseX, 1200);

    QTest::mouseMove(&window, QPoint(100, 220));
    window.Timer1_Timer();
    const double direction = orvik::DirectionForPointer(1500, 3300);
    QCOMPARE(window.Stroke().KeyFrames[0].Direction, direction);
    QCOMPARE(TextOf(window, "Label3(2)"), QString::fromStdString(orvik::NumberText(direction)));
    QCOMPARE(TextOf(window, "Text2(2)"), QString::fromStdString(orvik::NumberText(direction)));
    QCOMPARE(window.LineNamed("Line4")->X2, 1500.0f);
    QCOMPARE(window.LineNamed("Line4")->Y2, 3300.0f);

    // Height: arm the side view too and point at y = 720 twips.
    QTest::mouseMove(&window, QPoint(100, 48));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(100, 48));
    QCOMPARE(window.Mouse().HeightEditOn, -1);
    window.Timer1_Timer();
    QCOMPARE(window.Stroke().KeyFrames[0].Vertical, 58095238.0);
    QCOMPARE(TextOf(window, "Label3(1)"), QStringLiteral("58095238"));
    QCOMPARE(window.Stroke().KeyFrames[0].Direction, direction);
    // The arc now peaks 40 twips above the pointer.
    QCOMPARE(window.Arc().ColourAt(window.LineNamed("Line3")->X2, 680), QColor(Qt::black));
    SaveScreenshot(window, QStringLiteral("main_mouse_edit"));

    // A second click into the top view disarms it.
    QTest::mouseMove(&window, QPoint(80, 200));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(80, 200));
    QCOMPARE(window.Mouse().DirectionEditOn, 0);
    window.Timer1_Timer();
    QCOMPARE(window.LineNamed("Line4")->X2, 1500.0f);
}

QTEST_MAIN(MainWindowMouseTest)
#include "main_window_mouse_test.moc"
