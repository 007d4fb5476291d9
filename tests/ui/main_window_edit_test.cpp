// Editing a key frame: the timing list shows it, leaving a field box commits
// the fields one by one, and the pointer sets direction and height.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "core/numbers.h"
#include "preview/geometry.h"
#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

using orvik::MainWindow;

class MainWindowEditTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void choosingATimingBeforeAnyLoadShowsZeros();
    void showsTheChosenKeyFrame();
    void commitsEachFieldOnItsOwn();
    void editsDirectionAndHeightWithThePointer();

private:
    QTemporaryDir folder_;
    FakeDialogs dialogs_;
    MainWindow* window_ = nullptr;
};

void MainWindowEditTest::init() {
    window_ = new MainWindow(dialogs_);
    orvik::StrokeFile stroke = SampleStroke({"1", "0"});
    stroke.KeyFrames[6].Direction = 67500000;  // 90 degrees: to the left
    stroke.KeyFrames[6].Power = 0.333333333333333;
    dialogs_.openAnswers = {WriteStroke(folder_.filePath("a-Cc024.atr"), stroke)};
}

void MainWindowEditTest::cleanup() { delete window_; }

void MainWindowEditTest::choosingATimingBeforeAnyLoadShowsZeros() {
    MainWindow& window = *window_;
    Pick(window, "Combo3", "Perfectly on time");
    for (const char* name : {"Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)", "Label3(1)", "Label3(2)"})
        QCOMPARE(TextOf(window, name), QStringLiteral("0"));
    for (const char* name : {"Line1", "Line2", "Line4"}) QCOMPARE(window.LineNamed(name)->X2, 2280.0f);
    QCOMPARE(window.PreviewState().StrokeLength, 1920);
    QCOMPARE(window.LineNamed("Line3")->Y2, 110.0f);
    QCOMPARE(window.LineNamed("Line5")->X2, 4200.0f);
}

void MainWindowEditTest::showsTheChosenKeyFrame() {
    MainWindow& window = *window_;
    window.Command2_Click();
    SetText(window, "Text2(4)", "edited");
    Pick(window, "Combo3", "Very Late (6Hit)");  // entry 6: record 6
    QCOMPARE(TextOf(window, "Text2(0)"), QStringLiteral("16"));
    QCOMPARE(TextOf(window, "Label3(2)"), QStringLiteral("67500000"));
    QCOMPARE(TextOf(window, "Text2(3)"), QStringLiteral("0.333333333333333"));
    QCOMPARE(TextOf(window, "Text2(4)"), QStringLiteral("edited"));  // belongs to the stroke, not the key frame
    QCOMPARE(window.LineNamed("Line4")->X2, 360.0f);
    QCOMPARE(window.LineNamed("Line5")->X2, 360.0f);
}

void MainWindowEditTest::commitsEachFieldOnItsOwn() {
    MainWindow& window = *window_;
    window.Command2_Click();
    Pick(window, "Combo3", "Late");
    const orvik::KeyFrame before = window.Stroke().KeyFrames[1];
    const char* typed[][2] = {{"Text2(0)", "40000"}, {"Text2(3)", "abc"}, {"Text2(5)", "0.75"}, {"Text2(6)", "-3"},
                              {"Text2(1)", "5"},     {"Text2(2)", "6"},   {"Text2(4)", "0.5"}};
    for (const auto& [box, text] : typed) SetText(window, box, text);
    window.Text2_LostFocus(4);
    const orvik::KeyFrame& after = window.Stroke().KeyFrames[1];
    QCOMPARE(after.Frame, before.Frame);  // beyond 16 bits
    QCOMPARE(after.Power, before.Power);  // no number
    QCOMPARE(after.PowerRange, 0.75);
    QCOMPARE(after.DirectionRange, -3.0);
    QCOMPARE(after.Vertical, before.Vertical);  // the labels win over the hidden boxes
    QCOMPARE(after.Direction, before.Direction);
    QCOMPARE(window.Stroke().EdgeProb, std::string("0.1"));  // Save takes it
    QCOMPARE(TextOf(window, "Text2(3)"), QStringLiteral("abc"));

    // Leaving a box for the next one commits: "12.5" is frame 12.
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* frame = Find<QLineEdit>(window, "Text2(0)");
    frame->setFocus();
    frame->clear();
    QTest::keyClicks(frame, "12.5");
    QTest::keyClick(frame, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2(3)"));
    QCOMPARE(window.Stroke().KeyFrames[1].Frame, 12);
    QCOMPARE(window.Stroke().KeyFrames[0].Frame, 10);
}

void MainWindowEditTest::editsDirectionAndHeightWithThePointer() {
    MainWindow& window = *window_;
    window.Command2_Click();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Find<QTimer>(window, "Timer1")->stop();  // the ticks below are the test's own

    // A click into the top view arms the direction; pixels are 15 twips.
    QTest::mouseMove(&window, QPoint(80, 200));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(80, 200));
    QCOMPARE(window.Mouse().MouseX, 1200);
    QCOMPARE(window.Mouse().DirectionEditOn, -1);
    QTest::mouseMove(&window, Find(window, "Combo1")->geometry().center());  // the control's own move
    QCOMPARE(window.Mouse().MouseX, 1200);

    QTest::mouseMove(&window, QPoint(100, 220));
    window.Timer1_Timer();
    const double direction = orvik::DirectionForPointer(1500, 3300);
    QCOMPARE(window.Stroke().KeyFrames[0].Direction, direction);
    QCOMPARE(TextOf(window, "Label3(2)"), QString::fromStdString(orvik::NumberText(direction)));
    QCOMPARE(TextOf(window, "Text2(2)"), TextOf(window, "Label3(2)"));
    QCOMPARE(window.LineNamed("Line4")->Y2, 3300.0f);

    // The side view as well, pointing at y = 720 twips.
    QTest::mouseMove(&window, QPoint(100, 48));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(100, 48));
    window.Timer1_Timer();
    QCOMPARE(window.Mouse().HeightEditOn, -1);
    QCOMPARE(window.Stroke().KeyFrames[0].Vertical, 58095238.0);
    QCOMPARE(TextOf(window, "Label3(1)"), QStringLiteral("58095238"));
    QCOMPARE(window.Arc().ColourAt(window.LineNamed("Line3")->X2, 680), QColor(Qt::black));
    SaveScreenshot(window, QStringLiteral("main_mouse_edit"));
}

QTEST_MAIN(MainWindowEditTest)
#include "main_window_edit_test.moc"
