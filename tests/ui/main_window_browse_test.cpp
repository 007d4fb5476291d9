// The folder change fills the stroke list; picking a stroke loads its file
// with the Reset steps; a stroke or a folder that cannot be read is reported.
#include <QTemporaryDir>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/drop_down_list.h"
#include "ui/main_window.h"

using orvik::MainWindow;

class MainWindowBrowseTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheFolderAndLoadsThePickedStroke();
};

void MainWindowBrowseTest::listsTheFolderAndLoadsThePickedStroke() {
    QTemporaryDir root;
    const QString game = root.filePath("game");
    QVERIFY(QDir().mkpath(game + "/empty"));
    for (const char* name : {"a-Cc018.atr", "readme.atr", "a-Cc029.atr", "A-CC017C.ATR", "a-Cc021.atr"})
        WriteStroke(game + "/" + name, SampleStroke({"2"}));
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    QVERIFY(EntriesOf(window, "Combo4").isEmpty());  // no folder change at start-up
    QCOMPARE(TextOf(window, "Label2(0)"), QString());

    // A drive change shows the drive's root folder, through the folder change.
    auto* dir1 = Find<orvik::DirList>(window, "Dir1");
    auto* drive1 = Find<orvik::DriveList>(window, "Drive1");
    emit drive1->Change();
    QCOMPARE(dir1->Path(), drive1->Drive());
    QVERIFY(TextOf(window, "Label2(0)").endsWith(QStringLiteral(" Stroke file(s) found in the directory.")));

    QVERIFY(dir1->SetPath(game));
    QCOMPARE(TextOf(window, "Label2(0)"), QStringLiteral("5 Stroke file(s) found in the directory."));
    QCOMPARE(EntriesOf(window, "Combo4"), (QStringList{"Forward Defence2", "Cover drive(slashing shot)", "Paddle sweep"}));
    QCOMPARE(Find<orvik::DropDownList>(window, "Combo4")->ListIndex(), -1);
    QCOMPARE(window.windowTitle(), QString::fromLatin1(MainWindow::NoFileCaption));

    Pick(window, "Combo4", "Paddle sweep");
    const QString file = dir1->Path() + "/a-Cc029.atr";
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvik Stroke Editor (%1)").arg(file));
    QCOMPARE(TextOf(window, "Label2(11)"), QStringLiteral("Unknown"));  // its ending is "9b.atr"
    QCOMPARE(EntriesOf(window, "Combo3").last(), QStringLiteral("Perfect (6Hit)"));
    QVERIFY(Find(window, "Command3")->isEnabled() && Find(window, "Command6")->isEnabled());

    // Picking the loaded stroke again drops the edits.
    SetText(window, "Text2(3)", "42");
    window.Text2_LostFocus(3);
    Pick(window, "Combo4", "Paddle sweep");
    QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.5);

    // A stroke whose file went is not loaded; the list shows the loaded one.
    QVERIFY(QFile::remove(game + "/a-Cc021.atr"));
    Pick(window, "Combo4", "Cover drive(slashing shot)");
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QVERIFY(dialogs.messages[0].text.contains(QStringLiteral("a-Cc021.atr")));
    QCOMPARE(TextOf(window, "Combo4"), QStringLiteral("Paddle sweep"));
    QCOMPARE(window.FileDialog().FileName(), file);

    // A folder change keeps the edits and the current file.
    SetText(window, "Text2(3)", "42");
    window.Text2_LostFocus(3);
    QVERIFY(dir1->SetPath(game + "/empty"));
    QCOMPARE(TextOf(window, "Label2(0)"), QStringLiteral("0 Stroke file(s) found in the directory."));
    QVERIFY(EntriesOf(window, "Combo4").isEmpty());
    QCOMPARE(window.Stroke().KeyFrames[0].Power, 42.0);

    // A folder that vanished after it was shown.
    QVERIFY(QDir(game).removeRecursively());
    window.Dir1_Change();
    QCOMPARE(dialogs.messages.size(), std::size_t{2});
    QVERIFY(dialogs.messages[1].text.contains(game + "/empty"));
    QCOMPARE(dialogs.messages[1].icon, orvik::MessageIcon::Critical);
    QVERIFY(EntriesOf(window, "Combo4").isEmpty());
    QCOMPARE(TextOf(window, "Label2(0)"), QString());
    QCOMPARE(window.FileDialog().FileName(), file);
    QCOMPARE(window.Stroke().KeyFrames[0].Power, 42.0);
}

QTEST_MAIN(MainWindowBrowseTest)
#include "main_window_browse_test.moc"
