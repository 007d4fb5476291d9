// Help's message, the about box (made afresh each time, closed by OK, Enter or
// Esc) and Exit, which closes without asking.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

using orvik::MainWindow;

class AboutHelpExitTest : public QObject {
    Q_OBJECT
private slots:
    void helpShowsItsMessage();
    void aboutShowsAFreshBoxThatEnterAndEscClose();
    void exitClosesWithoutAsking();
};

void AboutHelpExitTest::helpShowsItsMessage() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    Find<QPushButton>(window, "Command7")->click();
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Please see Help.txt for help on Orvik Stroke Editor."));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Help"));
    QCOMPARE(dialogs.messages[0].icon, orvik::MessageIcon::Information);
}

void AboutHelpExitTest::aboutShowsAFreshBoxThatEnterAndEscClose() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    std::vector<QDialog*> boxes;
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape};
    dialogs.onModal = [&](QDialog& box) {
        boxes.push_back(&box);
        QCOMPARE(box.objectName(), QStringLiteral("abt"));
        QCOMPARE(box.windowTitle(), QStringLiteral("About Orvik Stroke Editor"));
        QCOMPARE(box.parentWidget(), &window);
        QCOMPARE(box.size(), QSize(359, 203));
        QVERIFY(!(box.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QCOMPARE(Find<QLabel>(box, "lblVersion")->text(), QStringLiteral("Version 1.0.1"));
        QCOMPARE(Find<QLabel>(box, "Label2")->text(), QStringLiteral("Credits :"));
        QCOMPARE(Find<QLabel>(box, "lblTitle")->font().pointSizeF(), 12.0);
        auto* ok = Find<QPushButton>(box, "cmdOK");
        QVERIFY(ok->isDefault());
        box.open();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.focusWidget(), ok);
        if (boxes.size() == 1) SaveScreenshot(box, QStringLiteral("about_box"));
        QTest::keyClick(&box, keys[boxes.size() - 1]);
        QVERIFY(!box.isVisible());
    };
    window.Command5_Click();
    Find<QPushButton>(window, "Command5")->click();
    QCOMPARE(dialogs.modalsShown, 2);
    QCOMPARE(boxes.size(), std::size_t{2});
    QVERIFY(window.findChildren<QDialog*>().isEmpty());  // each box is gone when About returns
}

void AboutHelpExitTest::exitClosesWithoutAsking() {
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SetText(window, "Text2(3)", "5");
    Find<QPushButton>(window, "Command4")->click();
    QVERIFY(!window.isVisible());
    QVERIFY(dialogs.messages.empty());
    QCOMPARE(dialogs.modalsShown, 0);
}

QTEST_MAIN(AboutHelpExitTest)
#include "about_help_exit_test.moc"
