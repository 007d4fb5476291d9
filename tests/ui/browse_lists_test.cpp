// The three browsing controls of the window on a folder tree made for the
// test: the hidden file list, the folder list and the drive list.
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"

using orvik::DirList;

class BrowseListsTest : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;
    const QString game_ = QDir::cleanPath(tmp_.path()) + "/game";  // subfolders strokes, Beta, alpha, zeta, .hidden

private slots:
    void initTestCase() {
        for (const char* sub : {"strokes/x.atr", "Beta", "alpha", "zeta", ".hidden"}) QVERIFY(QDir().mkpath(game_ + "/" + sub));
        for (const char* name : {"a-Cc018.atr", "a-Cc017c.atr", "A-CC018.ATR", "readme.atr", "b.ATR", "notes.txt", "x.atrx",
                                 "atr", ".hidden.atr"})
            QVERIFY(QFile(game_ + "/strokes/" + name).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(game_ + "/strokes/a-Cc018.atr", game_ + "/strokes/link.atr"));
        QVERIFY(QFile::link(game_ + "/strokes/gone", game_ + "/strokes/dead.atr"));
    }

    void fileListListsPlainStrokeFilesByName() {
        orvik::FileList files;
        QVERIFY(files.SetPath(game_ + "/strokes"));
        // "*.atr" regardless of case, by name regardless of case, then by exact
        // characters; no folder, broken link or hidden file.
        QCOMPARE(files.Names(), (QStringList{"a-Cc017c.atr", "A-CC018.ATR", "a-Cc018.atr", "b.ATR", "link.atr", "readme.atr"}));
        QCOMPARE(files.List(5) + files.List(6) + files.List(-1), QStringLiteral("readme.atr"));
        QVERIFY(!files.SetPath(game_ + "/missing"));
        QCOMPARE(files.ListCount(), 0);
    }

    void dirListShowsParentsThenSubfoldersAndOpensThem() {
        DirList dirs;
        QStringList changes;  // Path() and the selected entry at each Change()
        connect(&dirs, &DirList::Change, this, [&] { changes << dirs.Path() + " " + dirs.currentItem()->text(); });
        QVERIFY(dirs.ShowPath(game_ + "/strokes/../"));
        QCOMPARE(dirs.Path(), game_);
        const int depth = int(game_.count('/'));  // "/", then one entry per folder name
        QStringList texts;
        for (int row = 0; row < dirs.count(); ++row) {
            texts << dirs.item(row)->text();
            QCOMPARE(dirs.item(row)->data(DirList::DepthRole).toInt(), std::min(row, depth + 1));
        }
        QCOMPARE(texts.first() + " " + texts.mid(depth).join(" "), QStringLiteral("/ game alpha Beta strokes zeta"));
        QCOMPARE(dirs.item(depth + 1)->data(DirList::PathRole).toString(), game_ + "/alpha");
        QCOMPARE(dirs.currentRow(), depth);

        // SetPath raises Change() before it returns, and only for another folder that can be read.
        QVERIFY(dirs.SetPath(game_ + "/strokes"));
        QCOMPARE(changes, QStringList{game_ + "/strokes strokes"});
        QVERIFY(dirs.SetPath(game_ + "/strokes/"));
        QVERIFY(!dirs.SetPath(game_ + "/missing"));
        QVERIFY(!dirs.SetPath(game_ + "/strokes/notes.txt"));
        QCOMPARE(changes.size(), 1);

        // A double click opens an entry, and so does Enter; a single click only selects.
        QVERIFY(dirs.ShowPath(game_));
        dirs.resize(300, 400);
        dirs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dirs));
        QListWidgetItem* alpha = dirs.findItems("alpha", Qt::MatchExactly).value(0);
        dirs.scrollToItem(alpha);
        const QPoint centre = dirs.visualItemRect(alpha).center();
        QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(changes.size(), 1);
        QTest::mouseDClick(dirs.viewport(), Qt::LeftButton, {}, centre);
        dirs.setCurrentRow(dirs.currentRow() - 1);  // the parent
        QTest::keyClick(&dirs, Qt::Key_Return);
        QTest::keyClick(&dirs, Qt::Key_Return);  // the current folder itself: no change
        QCOMPARE(changes, (QStringList{game_ + "/strokes strokes", game_ + "/alpha alpha", game_ + " game"}));
    }

    void driveListOffersTheRootQuietly() {
        orvik::DriveList drives;
        QSignalSpy changes(&drives, &orvik::DriveList::Change);
        QVERIFY(drives.findData(QStringLiteral("/")) >= 0);
        drives.ShowDriveOf("/");
        QCOMPARE(drives.Drive(), QStringLiteral("/"));
        QCOMPARE(changes.count(), 0);
    }
};

QTEST_MAIN(BrowseListsTest)
#include "browse_lists_test.moc"
