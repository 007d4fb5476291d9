// The window as it opens (caption, controls, lists, buttons, tab order,
// focus) and its small commands: Help, About and Exit.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/drop_down_list.h"
#include "ui/main_window.h"

using orvik::MainWindow;

class MainWindowStartupTest : public QObject {
    Q_OBJECT
private slots:
    void opensInItsStartState();
    void tabsThroughTheControlsInOrder();
    void helpAboutAndExit();
};

void MainWindowStartupTest::opensInItsStartState() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvik stroke editor (No File Loaded)"));
    QCOMPARE(window.size(), QSize(643, 455));  // 9645 x 6825 twips
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(Find(window, "Text2(4)")->geometry(), QRect(564, 282, 61, 19));
    QCOMPARE(Find(window, "Command6")->geometry(), QRect(312, 384, 109, 57));

    QCOMPARE(EntriesOf(window, "Combo1"), (QStringList{"Aggressive", "Defensive", "Moderate"}));
    QCOMPARE(EntriesOf(window, "Combo2"), (QStringList{"All Bowlers", "Spinners", "Fast Bowler", "Fast and Swing bowlers"}));
    QCOMPARE(EntriesOf(window, "Combo3"), (QStringList{"Very Late", "Late", "Perfectly on time", "Early", "Very Early"}));
    QVERIFY(EntriesOf(window, "Combo4").isEmpty());
    auto* bowlers = Find<orvik::DropDownList>(window, "Combo2");
    QCOMPARE((QList<int>{bowlers->ItemData(0), bowlers->ItemData(1), bowlers->ItemData(2), bowlers->ItemData(3)}),
             (QList<int>{15, 6, 1, 9}));
    QCOMPARE(Find<orvik::DropDownList>(window, "Combo3")->ItemData(4), 4);
    for (const char* list : {"Combo1", "Combo2", "Combo3", "Combo4"})
        QCOMPARE(Find<orvik::DropDownList>(window, list)->ListIndex(), -1);

    QVERIFY(Find(window, "Command1")->isHidden() && Find(window, "Command2")->isHidden());
    QVERIFY(!Find(window, "Command3")->isEnabled() && !Find(window, "Command6")->isEnabled());
    QCOMPARE(TextOf(window, "Text2(1)") + TextOf(window, "Text2(2)"), QStringLiteral("Text2Text2"));
    for (const char* empty : {"Text2(0)", "Text2(3)", "Text2(7)", "Label3(1)", "Label3(2)", "Label2(0)", "Label2(11)"})
        QCOMPARE(TextOf(window, empty), QString());
    QCOMPARE(TextOf(window, "Label2(13)"), QStringLiteral("  Direction and Height of stroke"));
    const QFont caption = Find(window, "Label2(12)")->font();
    QVERIFY(caption.bold() && caption.pointSizeF() == 8.25 && caption.family() == "MS Sans Serif");
    QVERIFY(Find(window, "Combo4")->font().bold() && !Find(window, "Label3(1)")->font().bold());

    for (int i = -10; i <= 65; ++i) QCOMPARE(window.Stroke().TrailingLines.at(i), std::string(i <= 0 ? "43" : ""));
    QCOMPARE(Find<QTimer>(window, "Timer1")->interval(), 15);
    QVERIFY(Find<QTimer>(window, "Timer1")->isActive());

    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), Find(window, "Combo1"));
    SaveScreenshot(window, QStringLiteral("main_start"));
}

void MainWindowStartupTest::tabsThroughTheControlsInOrder() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QStringList order;
    QWidget* first = Find(window, "Combo1");
    for (QWidget* widget = first; order.size() < 40; widget = widget->nextInFocusChain()) {
        if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
            widget->parentWidget() == &window)
            order << widget->objectName();
        if (widget->nextInFocusChain() == first) break;
    }
    QCOMPARE(order, (QStringList{"Combo1", "Combo2", "Combo3", "Text2(0)", "Text2(3)", "Text2(4)", "Text2(5)",
                                 "Text2(6)", "Command4", "Command5", "Text2(7)", "Dir1", "Drive1", "Combo4", "Command7"}));
}

void MainWindowStartupTest::helpAboutAndExit() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Find<QPushButton>(window, "Command7")->click();
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Please see Help.txt for help on Orvik Stroke Editor."));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Help"));
    QCOMPARE(dialogs.messages[0].icon, orvik::MessageIcon::Information);

    // Each About makes a fresh box, modal over main, which Enter or Esc closes.
    std::vector<QDialog*> boxes;
    dialogs.onModal = [&](QDialog& box) {
        boxes.push_back(&box);
        QCOMPARE(box.objectName(), QStringLiteral("abt"));
        QCOMPARE(box.windowTitle(), QStringLiteral("About Orvik Stroke Editor"));
        QCOMPARE(box.parentWidget(), &window);
        QCOMPARE(box.size(), QSize(359, 203));
        QCOMPARE(TextOf(box, "lblVersion"), QStringLiteral("Version 1.0.1"));
        QCOMPARE(TextOf(box, "Label2"), QStringLiteral("Credits :"));
        QVERIFY(Find<QPushButton>(box, "cmdOK")->isDefault());
        box.open();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.focusWidget(), Find(box, "cmdOK"));
        if (boxes.size() == 1) SaveScreenshot(box, QStringLiteral("about_box"));
        QTest::keyClick(&box, boxes.size() == 1 ? Qt::Key_Return : Qt::Key_Escape);
        QVERIFY(!box.isVisible());
    };
    window.Command5_Click();
    Find<QPushButton>(window, "Command5")->click();
    QCOMPARE(boxes.size(), std::size_t{2});
    QVERIFY(window.findChildren<QDialog*>().isEmpty());

    // Exit asks nothing, edits or not.
    SetText(window, "Text2(3)", "5");
    Find<QPushButton>(window, "Command4")->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
}

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
