// Choosing a timing shows its key frame; leaving a field box commits the
// fields, each on its own.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

using orvik::MainWindow;

class MainWindowFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void choosingATimingBeforeAnyLoadShowsZeros();
    void showsTheChosenKeyFrame();
    void commitsEachFieldOnItsOwn();
    void leavingABoxCommits();
};

void MainWindowFieldsTest::choosingATimingBeforeAnyLoadShowsZeros() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    Pick(window, "Combo3", 2);
    for (const char* name : {"Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)", "Label3(1)", "Label3(2)"})
        QCOMPARE(TextOf(window, name), QStringLiteral("0"));
    for (const char* name : {"Line1", "Line2", "Line4"}) {
        QCOMPARE(window.LineNamed(name)->X2, 2280.0f);
        QCOMPARE(window.LineNamed(name)->Y2, 2280.0f);
    }
    QCOMPARE(window.PreviewState().StrokeLength, 1920);
    QCOMPARE(window.LineNamed("Line3")->X2, 3240.0f);
    QCOMPARE(window.LineNamed("Line3")->Y2, 110.0f);
    QCOMPARE(window.LineNamed("Line5")->X2, 4200.0f);
}

void MainWindowFieldsTest::showsTheChosenKeyFrame() {
    QTemporaryDir folder;
    orvik::StrokeFile stroke = SampleStroke({"1", "0"});
    stroke.KeyFrames[6].Direction = 67500000;  // 90 degrees: to the left
    stroke.KeyFrames[6].Power = 0.333333333333333;
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {WriteStroke(folder.filePath("s.atr"), stroke)};
    window.Command2_Click();
    SetText(window, "Text2(4)", "edited");

    Pick(window, "Combo3", 6);  // "Very Late (6Hit)": record 6
    QCOMPARE(TextOf(window, "Text2(0)"), QStringLiteral("16"));
    QCOMPARE(TextOf(window, "Label3(2)"), QStringLiteral("67500000"));
    QCOMPARE(TextOf(window, "Text2(2)"), QStringLiteral("67500000"));
    QCOMPARE(TextOf(window, "Text2(3)"), QStringLiteral("0.333333333333333"));
    QCOMPARE(TextOf(window, "Label3(1)"), QStringLiteral("26000000"));
    QCOMPARE(TextOf(window, "Text2(4)"), QStringLiteral("edited"));  // not a key frame field
    QCOMPARE(window.LineNamed("Line4")->X2, 360.0f);
    QCOMPARE(window.PreviewState().StrokeLength, -1920);
    QCOMPARE(window.LineNamed("Line5")->X2, 360.0f);
}

void MainWindowFieldsTest::commitsEachFieldOnItsOwn() {
    QTemporaryDir folder;
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {WriteStroke(folder.filePath("s.atr"), SampleStroke({}))};
    window.Command2_Click();
    Pick(window, "Combo3", 1);
    const orvik::KeyFrame before = window.Stroke().KeyFrames[1];

    SetText(window, "Text2(0)", "40000");  // beyond 16 bits: Frame stays
    SetText(window, "Text2(3)", "abc");    // no number: Power stays
    SetText(window, "Text2(5)", "0.75");
    SetText(window, "Text2(6)", "-3");
    SetText(window, "Text2(1)", "5");  // the labels win over the hidden boxes
    SetText(window, "Text2(2)", "6");
    SetText(window, "Text2(4)", "0.5");
    window.Text2_LostFocus(4);
    const orvik::KeyFrame& after = window.Stroke().KeyFrames[1];
    QCOMPARE(after.Frame, before.Frame);
    QCOMPARE(after.Power, before.Power);
    QCOMPARE(after.PowerRange, 0.75);
    QCOMPARE(after.DirectionRange, -3.0);
    QCOMPARE(after.Vertical, before.Vertical);
    QCOMPARE(after.Direction, before.Direction);
    QCOMPARE(window.Stroke().EdgeProb, std::string("0.1"));  // Save takes it, not the commit
    QCOMPARE(TextOf(window, "Text2(3)"), QStringLiteral("abc"));

    SetText(window, "Text2(0)", "12.5");
    window.Text2_LostFocus(0);
    QCOMPARE(window.Stroke().KeyFrames[1].Frame, 12);
    QCOMPARE(window.Stroke().KeyFrames[0].Frame, 10);
}

void MainWindowFieldsTest::leavingABoxCommits() {
    QTemporaryDir folder;
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {WriteStroke(folder.filePath("s.atr"), SampleStroke({}))};
    window.Command2_Click();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* power = Find<QLineEdit>(window, "Text2(3)");
    power->setFocus();
    QTest::keyClicks(power, "7");  // the key reaches the box: "1.57"
    QTest::keyClick(power, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2(4)"));
    QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.57);
}

QTEST_MAIN(MainWindowFieldsTest)
#include "main_window_fields_test.moc"
