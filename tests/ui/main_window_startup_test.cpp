// The window as it opens (caption, lists, buttons, focus and tab order) and
// its small commands: Help, About and Exit.
#include <QDialog>
#include <QPushButton>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/drop_down_list.h"
#include "ui/main_window.h"

class MainWindowStartupTest : public QObject {
    Q_OBJECT
private slots:
    void opensInItsStartState() {
        FakeDialogs dialogs;
        orvik::MainWindow window(dialogs);
        QCOMPARE(window.windowTitle(), QStringLiteral("Orvik stroke editor (No File Loaded)"));
        QCOMPARE(window.minimumSize(), window.maximumSize());  // fixed
        QCOMPARE(EntriesOf(window, "Combo3"), (QStringList{"Very Late", "Late", "Perfectly on time", "Early", "Very Early"}));
        auto* combo2 = Find<orvik::DropDownList>(window, "Combo2");
        QStringList bowlers;
        for (int i = 0; i < combo2->count(); ++i) bowlers << combo2->itemText(i) + "=" + QString::number(combo2->ItemData(i));
        QCOMPARE(bowlers, (QStringList{"All Bowlers=15", "Spinners=6", "Fast Bowler=1", "Fast and Swing bowlers=9"}));
        for (const char* list : {"Combo1", "Combo2", "Combo3", "Combo4"})
            QCOMPARE(Find<orvik::DropDownList>(window, list)->ListIndex(), -1);
        QVERIFY(Find(window, "Command1")->isHidden() && Find(window, "Command2")->isHidden());
        QVERIFY(!Find(window, "Command3")->isEnabled() && !Find(window, "Command6")->isEnabled());
        QCOMPARE(TextsOf(window, {"Text2(1)", "Text2(2)", "Text2(0)", "Label3(1)", "Label2(0)", "Label2(11)"}),
                 (QStringList{"Text2", "Text2", "", "", "", ""}));
        for (int i = -10; i <= 65; ++i) QCOMPARE(window.Stroke().TrailingLines.at(i), std::string(i <= 0 ? "43" : ""));

        // Combo1 has the focus; Tab goes round the visible, enabled controls.
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList order;
        for (int i = 0; i < 16; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            order << QApplication::focusWidget()->objectName();
        QCOMPARE(order, (QStringList{"Combo1", "Combo2", "Combo3", "Text2(0)", "Text2(3)", "Text2(4)", "Text2(5)", "Text2(6)",
                                     "Command4", "Command5", "Text2(7)", "Dir1", "Drive1", "Combo4", "Command7", "Combo1"}));
        SaveScreenshot(window, QStringLiteral("main_start"));
    }

    void helpAboutAndExit() {
        FakeDialogs dialogs;
        orvik::MainWindow window(dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Find<QPushButton>(window, "Command7")->click();
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QCOMPARE(dialogs.messages[0].title + ": " + dialogs.messages[0].text,
                 QStringLiteral("Help: Please see Help.txt for help on Orvik Stroke Editor."));
        QCOMPARE(dialogs.messages[0].icon, orvik::MessageIcon::Information);

        // Each About makes a fresh box over main with OK focused; Enter, then Esc, closes it.
        int shown = 0;
        dialogs.onModal = [&](QDialog& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("About Orvik Stroke Editor"));
            QCOMPARE(box.parentWidget(), &window);
            box.open();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            QCOMPARE(box.focusWidget(), Find(box, "cmdOK"));
            if (++shown == 1) SaveScreenshot(box, QStringLiteral("about_box"));
            QTest::keyClick(&box, shown == 1 ? Qt::Key_Return : Qt::Key_Escape);
            QVERIFY(!box.isVisible());
        };
        Find<QPushButton>(window, "Command5")->click();
        Find<QPushButton>(window, "Command5")->click();
        QCOMPARE(shown, 2);
        QVERIFY(window.findChildren<QDialog*>().isEmpty());

        // Exit asks nothing, edits or not.
        SetText(window, "Text2(3)", "5");
        Find<QPushButton>(window, "Command4")->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
    }
};

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
