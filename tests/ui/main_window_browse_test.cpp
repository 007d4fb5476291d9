// The folder change fills the stroke list; picking a stroke loads its file
// with the Reset steps; a folder that cannot be listed is reported.
#include <QTemporaryDir>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/drop_down_list.h"
#include "ui/main_window.h"

class MainWindowBrowseTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheFolderAndLoadsThePickedStroke() {
        QTemporaryDir root;
        const QString game = root.filePath("game");
        QVERIFY(QDir().mkpath(game + "/empty"));
        for (const char* name : {"a-Cc018.atr", "readme.atr", "a-Cc029.atr", "A-CC017C.ATR", "a-Cc021.atr"})
            WriteStroke(game + "/" + name, SampleStroke({"2"}));
        FakeDialogs dialogs;
        orvik::MainWindow window(dialogs);
        QCOMPARE(EntriesOf(window, "Combo4") << TextOf(window, "Label2(0)"), QStringList{""});  // no folder change yet

        // A drive change shows the drive's root folder, through the folder change.
        auto* dir1 = Find<orvik::DirList>(window, "Dir1");
        emit Find<orvik::DriveList>(window, "Drive1")->Change();
        QCOMPARE(dir1->Path(), Find<orvik::DriveList>(window, "Drive1")->Drive());
        QVERIFY(TextOf(window, "Label2(0)").endsWith(QStringLiteral(" Stroke file(s) found in the directory.")));

        // Every "*.atr" counts; only names the catalogue knows, with exact case, are listed.
        QVERIFY(dir1->SetPath(game));
        QCOMPARE(TextOf(window, "Label2(0)"), QStringLiteral("5 Stroke file(s) found in the directory."));
        QCOMPARE(EntriesOf(window, "Combo4"), (QStringList{"Forward Defence2", "Cover drive(slashing shot)", "Paddle sweep"}));
        QCOMPARE(Find<orvik::DropDownList>(window, "Combo4")->ListIndex(), -1);

        Pick(window, "Combo4", "Paddle sweep");
        const QString file = game + "/a-Cc029.atr";
        QCOMPARE(window.windowTitle(), QStringLiteral("Orvik Stroke Editor (%1)").arg(file));
        QCOMPARE(TextOf(window, "Label2(11)"), QStringLiteral("Unknown"));  // its ending is "9b.atr"
        QCOMPARE(EntriesOf(window, "Combo3").last(), QStringLiteral("Perfect (6Hit)"));
        QVERIFY(Find(window, "Command3")->isEnabled() && Find(window, "Command6")->isEnabled());

        // Picking the loaded stroke again drops the edits; a folder change keeps them.
        SetText(window, "Text2(3)", "42");
        window.Text2_LostFocus(3);
        Pick(window, "Combo4", "Paddle sweep");
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.5);
        SetText(window, "Text2(3)", "42");
        window.Text2_LostFocus(3);
        QVERIFY(dir1->SetPath(game + "/empty"));
        QCOMPARE(EntriesOf(window, "Combo4") << TextOf(window, "Label2(0)"),
                 QStringList{"0 Stroke file(s) found in the directory."});
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 42.0);
        QCOMPARE(window.FileDialog().FileName(), file);

        // A folder that went after it was shown is reported; the list and count stay empty.
        QVERIFY(QDir(game).removeRecursively());
        window.Dir1_Change();
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QVERIFY(dialogs.messages[0].text.contains(game + "/empty"));
        QCOMPARE(dialogs.messages[0].icon, orvik::MessageIcon::Critical);
        QCOMPARE(EntriesOf(window, "Combo4") << TextOf(window, "Label2(0)"), QStringList{""});
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 42.0);
    }
};

QTEST_MAIN(MainWindowBrowseTest)
#include "main_window_browse_test.moc"
