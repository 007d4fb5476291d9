// The folder change fills the stroke list; picking a stroke loads its file
// with the Reset steps.
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/dir_list.h"
#include "ui/main_window.h"

using orvik::MainWindow;

class MainWindowBrowseTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheFolderAndLoadsThePickedStroke();
    void aStrokeThatCannotBeReadIsNotLoaded();
    void aFolderThatVanishedIsReported();
};

void MainWindowBrowseTest::listsTheFolderAndLoadsThePickedStroke() {
    QTemporaryDir root;
    const QString game = root.filePath("game");
    QVERIFY(QDir().mkpath(game + "/empty"));
    for (const char* name : {"a-Cc018.atr", "readme.atr", "a-Cc029.atr", "A-CC017C.ATR"})
        WriteStroke(game + "/" + name, SampleStroke({"2"}));
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    QVERIFY(EntriesOf(window, "Combo4").isEmpty());  // no folder change at start-up

    auto* dir1 = Find<orvik::DirList>(window, "Dir1");
    QVERIFY(dir1->SetPath(game));
    QCOMPARE(TextOf(window, "Label2(0)"), QStringLiteral("4 Stroke file(s) found in the directory."));
    QCOMPARE(EntriesOf(window, "Combo4"), (QStringList{"Forward Defence2", "Paddle sweep"}));
    QCOMPARE(Find<orvik::DropDownList>(window, "Combo4")->ListIndex(), -1);
    QCOMPARE(window.windowTitle(), QString::fromLatin1(MainWindow::NoFileCaption));

    PickText(window, "Combo4", "Paddle sweep");
    const QString file = dir1->Path() + "/a-Cc029.atr";
    QCOMPARE(window.FileDialog().FileName(), file);
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvik Stroke Editor (%1)").arg(file));
    QCOMPARE(TextOf(window, "Label2(11)"), QStringLiteral("Unknown"));
    QCOMPARE(TextOf(window, "Combo4"), QStringLiteral("Paddle sweep"));
    QCOMPARE(EntriesOf(window, "Combo3").last(), QStringLiteral("Perfect (6Hit)"));
    QVERIFY(Find<QPushButton>(window, "Command3")->isEnabled());
    QVERIFY(Find<QPushButton>(window, "Command6")->isEnabled());

    // Picking the loaded stroke again drops the edits.
    SetText(window, "Text2(3)", "42");
    window.Text2_LostFocus(3);
    PickText(window, "Combo4", "Paddle sweep");
    QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.5);
    QCOMPARE(EntriesOf(window, "Combo4").size(), 2);

    // A folder change keeps the edits and the current file.
    SetText(window, "Text2(3)", "42");
    window.Text2_LostFocus(3);
    QVERIFY(dir1->SetPath(game + "/empty"));
    QCOMPARE(TextOf(window, "Label2(0)"), QStringLiteral("0 Stroke file(s) found in the directory."));
    QVERIFY(EntriesOf(window, "Combo4").isEmpty());
    QCOMPARE(window.Stroke().KeyFrames[0].Power, 42.0);
    QCOMPARE(window.FileDialog().FileName(), file);
    QVERIFY(dialogs.messages.empty());
}

void MainWindowBrowseTest::aStrokeThatCannotBeReadIsNotLoaded() {
    QTemporaryDir game;
    WriteStroke(game.filePath("a-Cc018.atr"), SampleStroke({}));
    WriteStroke(game.filePath("a-Cc021.atr"), SampleStroke({}));
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    QVERIFY(Find<orvik::DirList>(window, "Dir1")->SetPath(game.path()));
    PickText(window, "Combo4", "Forward Defence2");
    const QString loaded = window.FileDialog().FileName();

    QVERIFY(QFile::remove(game.filePath("a-Cc021.atr")));
    PickText(window, "Combo4", "Cover drive(slashing shot)");
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QVERIFY(dialogs.messages[0].text.contains(QStringLiteral("a-Cc021.atr")));
    QCOMPARE(TextOf(window, "Combo4"), QStringLiteral("Forward Defence2"));
    QCOMPARE(window.FileDialog().FileName(), loaded);
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvik Stroke Editor (%1)").arg(loaded));
}

void MainWindowBrowseTest::aFolderThatVanishedIsReported() {
    QTemporaryDir root;
    const QString game = root.filePath("game");
    QVERIFY(QDir().mkpath(game));
    WriteStroke(game + "/a-Cc018.atr", SampleStroke({}));
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    QVERIFY(Find<orvik::DirList>(window, "Dir1")->SetPath(game));
    PickText(window, "Combo4", "Forward Defence2");
    const QString loaded = window.FileDialog().FileName();

    QVERIFY(QDir(game).removeRecursively());
    window.Dir1_Change();
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QVERIFY(dialogs.messages[0].text.contains(game));
    QCOMPARE(dialogs.messages[0].icon, orvik::MessageIcon::Critical);
    QVERIFY(EntriesOf(window, "Combo4").isEmpty());
    QCOMPARE(TextOf(window, "Label2(0)"), QString());
    QCOMPARE(window.FileDialog().FileName(), loaded);
    QCOMPARE(TextOf(window, "Label2(11)"), QStringLiteral("Forward Defence2"));
}

QTEST_MAIN(MainWindowBrowseTest)
#include "main_window_browse_test.moc"
