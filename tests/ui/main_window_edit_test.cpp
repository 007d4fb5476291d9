// Editing a key frame: the timing list shows it, leaving a field box commits
// the fields one by one, and the pointer sets direction and height.
#include <QTemporaryDir>
#include <QtTest>

#include "core/numbers.h"
#include "preview/geometry.h"
#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

class MainWindowEditTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;

private slots:
    void showsAndCommitsTheChosenKeyFrame() {
        FakeDialogs dialogs;
        orvik::MainWindow window(dialogs);
        // Before any load every key frame is zero and points straight up.
        Pick(window, "Combo3", "Perfectly on time");
        QCOMPARE(TextsOf(window, {"Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)", "Label3(1)", "Label3(2)"}), QStringList(6, "0"));
        QCOMPARE((QList<float>{window.LineNamed("Line1")->X2, window.LineNamed("Line2")->X2, window.LineNamed("Line4")->X2,
                               window.LineNamed("Line3")->X2, window.LineNamed("Line3")->Y2, window.LineNamed("Line5")->X2}),
                 (QList<float>{2280, 2280, 2280, 3240, 110, 4200}));

        orvik::StrokeFile stroke = SampleStroke({"1", "0"});
        stroke.KeyFrames[6].Direction = 67500000;  // 90 degrees: to the left
        stroke.KeyFrames[6].Power = 0.333333333333333;
        dialogs.openAnswers = {WriteStroke(folder_.filePath("a-Cc024.atr"), stroke)};
        window.Command2_Click();
        SetText(window, "Text2(4)", "edited");       // the stroke's, not the key frame's
        Pick(window, "Combo3", "Very Late (6Hit)");  // entry 6: record 6
        QCOMPARE(TextsOf(window, {"Text2(0)", "Label3(2)", "Text2(3)", "Text2(4)"}),
                 (QStringList{"16", "67500000", "0.333333333333333", "edited"}));
        QCOMPARE(window.LineNamed("Line5")->X2, 360.0f);  // lands left, where the top view points

        // "40000" is beyond 16 bits and "abc" no number: both keep their field;
        // "12.5" is frame 12 at the next commit. The labels win over the hidden boxes.
        const char* typed[][2] = {{"Text2(0)", "40000"}, {"Text2(3)", "abc"}, {"Text2(5)", "0.75"},
                                  {"Text2(6)", "-3"},    {"Text2(1)", "5"},   {"Text2(2)", "6"}};
        for (const auto& [box, text] : typed) SetText(window, box, text);
        window.Text2_LostFocus(4);
        const orvik::KeyFrame& frame = window.Stroke().KeyFrames[6];
        QCOMPARE((QList<double>{double(frame.Frame), frame.Power, frame.PowerRange, frame.DirectionRange, frame.Vertical,
                                frame.Direction}),
                 (QList<double>{16, 0.333333333333333, 0.75, -3, 26e6, 67500000}));
        QCOMPARE(TextOf(window, "Text2(3)") + QString::fromStdString(window.Stroke().EdgeProb), QStringLiteral("abc0.1"));
        SetText(window, "Text2(0)", "12.5");
        window.Text2_LostFocus(0);
        QCOMPARE((QList<int>{window.Stroke().KeyFrames[6].Frame, window.Stroke().KeyFrames[5].Frame}), (QList<int>{12, 15}));
    }

    void editsDirectionAndHeightWithThePointer() {
        FakeDialogs dialogs;
        orvik::MainWindow window(dialogs);
        dialogs.openAnswers = {WriteStroke(folder_.filePath("a-Cc024.atr"), SampleStroke({}))};
        window.Command2_Click();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Find<QTimer>(window, "Timer1")->stop();  // the ticks below are the test's own

        // A click into the top view arms the direction; a pixel is 15 twips. A
        // move over a control is the control's, not the window's.
        QTest::mouseMove(&window, QPoint(80, 200));
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(80, 200));
        QTest::mouseMove(&window, Find(window, "Combo1")->geometry().center());
        QCOMPARE(window.Mouse().MouseX, 1200);
        QCOMPARE(window.Mouse().DirectionEditOn, -1);
        QTest::mouseMove(&window, QPoint(100, 220));
        window.Timer1_Timer();
        const double direction = orvik::DirectionForPointer(1500, 3300);
        QCOMPARE(window.Stroke().KeyFrames[0].Direction, direction);
        QCOMPARE(TextsOf(window, {"Label3(2)", "Text2(2)"}), QStringList(2, QString::fromStdString(orvik::NumberText(direction))));

        // The side view sets the height, pointing at y = 720 twips.
        QTest::mouseMove(&window, QPoint(100, 48));
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(100, 48));
        window.Timer1_Timer();
        QCOMPARE(window.Mouse().HeightEditOn, -1);
        QCOMPARE(window.Stroke().KeyFrames[0].Vertical, 58095238.0);
        QCOMPARE(TextOf(window, "Label3(1)"), QStringLiteral("58095238"));
        QCOMPARE(window.Arc().ColourAt(window.LineNamed("Line3")->X2, 680), QColor(Qt::black));
        SaveScreenshot(window, QStringLiteral("main_mouse_edit"));
    }
};

QTEST_MAIN(MainWindowEditTest)
#include "main_window_edit_test.moc"
