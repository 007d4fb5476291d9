// The window as it opens: caption, controls, lists, buttons, tab order, focus.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

using orvik::MainWindow;

class MainWindowStartupTest : public QObject {
    Q_OBJECT
private slots:
    void opensInItsStartState();
    void placesControlsInTwips();
    void tabsThroughTheControlsInOrder();
    void hasTheFocusOnTheStrokeTypeAndShowsOnScreen();
};

void MainWindowStartupTest::opensInItsStartState() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    QCOMPARE(window.objectName(), QStringLiteral("main"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvik stroke editor (No File Loaded)"));
    QCOMPARE(window.size(), QSize(643, 455));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));

    QCOMPARE(EntriesOf(window, "Combo1"), (QStringList{"Aggressive", "Defensive", "Moderate"}));
    QCOMPARE(EntriesOf(window, "Combo2"), (QStringList{"All Bowlers", "Spinners", "Fast Bowler", "Fast and Swing bowlers"}));
    QCOMPARE(EntriesOf(window, "Combo3"), (QStringList{"Very Late", "Late", "Perfectly on time", "Early", "Very Early"}));
    QVERIFY(EntriesOf(window, "Combo4").isEmpty());
    auto* bowlers = Find<orvik::DropDownList>(window, "Combo2");
    QCOMPARE((std::vector<int>{bowlers->ItemData(0), bowlers->ItemData(1), bowlers->ItemData(2), bowlers->ItemData(3)}),
             (std::vector<int>{15, 6, 1, 9}));
    QCOMPARE(Find<orvik::DropDownList>(window, "Combo3")->ItemData(4), 4);
    QCOMPARE(Find<orvik::DropDownList>(window, "Combo1")->ItemData(2), 0);
    for (const char* list : {"Combo1", "Combo2", "Combo3", "Combo4"}) {
        QCOMPARE(Find<orvik::DropDownList>(window, list)->ListIndex(), -1);
        QCOMPARE(TextOf(window, list), QString());
        QVERIFY(Find<QWidget>(window, list)->font().bold());
    }

    QVERIFY(Find<QPushButton>(window, "Command1")->isHidden());
    QVERIFY(Find<QPushButton>(window, "Command2")->isHidden());
    QVERIFY(!Find<QPushButton>(window, "Command3")->isEnabled());
    QVERIFY(!Find<QPushButton>(window, "Command6")->isEnabled());
    QVERIFY(Find<QPushButton>(window, "Command7")->isEnabled());
    QCOMPARE(Find<QPushButton>(window, "Command6")->text(), QStringLiteral("Reset Changes to Current Stroke"));
    QVERIFY(Find<QWidget>(window, "File1")->isHidden());

    QCOMPARE(TextOf(window, "Text2(1)"), QStringLiteral("Text2"));
    QCOMPARE(TextOf(window, "Text2(2)"), QStringLiteral("Text2"));
    QVERIFY(Find<QWidget>(window, "Text2(1)")->isHidden());
    for (const char* empty : {"Text2(0)", "Text2(3)", "Text2(4)", "Text2(5)", "Text2(6)", "Text2(7)", "Label3(1)",
                              "Label3(2)", "Label2(0)", "Label2(11)"})
        QCOMPARE(TextOf(window, empty), QString());
    QCOMPARE(TextOf(window, "Label2(13)"), QStringLiteral("  Direction and Height of stroke"));
    QCOMPARE(TextOf(window, "Label2(4)"), QStringLiteral("Result of the shot being played "));
    const QFont caption = Find<QLabel>(window, "Label2(12)")->font();
    QVERIFY(caption.bold());
    QCOMPARE(caption.pointSizeF(), 8.25);
    QCOMPARE(caption.family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(!Find<QLabel>(window, "Label3(1)")->font().bold());

    for (int i = -10; i <= 0; ++i) QCOMPARE(window.Stroke().TrailingLines.at(i), std::string("43"));
    for (int i = 1; i <= 65; ++i) QVERIFY(window.Stroke().TrailingLines.at(i).empty());
    QCOMPARE(window.LineNamed("Line4")->Y2, 2280.0f);
    QCOMPARE(window.PreviewState().StrokeLength, 0);
    QVERIFY(Find<QTimer>(window, "Timer1")->isActive());
    QCOMPARE(Find<QTimer>(window, "Timer1")->interval(), 15);
}

void MainWindowStartupTest::placesControlsInTwips() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    QCOMPARE(Find<QWidget>(window, "Text2(4)")->geometry(), QRect(564, 282, 61, 19));
    QCOMPARE(Find<QWidget>(window, "Combo4")->geometry(), QRect(320, 172, 305, 21));
    QCOMPARE(Find<QWidget>(window, "Dir1")->geometry(), QRect(320, 44, 161, 111));
    QCOMPARE(Find<QWidget>(window, "Command6")->geometry(), QRect(312, 384, 109, 57));
    QCOMPARE(Find<QWidget>(window, "Label2(11)")->geometry(), QRect(320, 180, 305, 17));
}

void MainWindowStartupTest::tabsThroughTheControlsInOrder() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QStringList order;
    QWidget* widget = Find<QWidget>(window, "Combo1");
    do {
        if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) && widget->window() == &window)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != Find<QWidget>(window, "Combo1"));
    const QStringList expected{"Combo1",   "Combo2",   "Combo3",   "Text2(0)", "Text2(3)", "Text2(4)",
                               "Text2(5)", "Text2(6)", "Command4", "Command5", "Text2(7)", "Dir1",
                               "Drive1",   "Combo4",   "Command7"};
    // Children of the browsing lists (their viewports) are not controls of their own.
    QStringList named;
    for (const QString& name : order)
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) named << name;
    QCOMPARE(named, expected);
}

void MainWindowStartupTest::hasTheFocusOnTheStrokeTypeAndShowsOnScreen() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "Combo1"));
    SaveScreenshot(window, QStringLiteral("main_start"));
}

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
