// The three browsing controls of the window on folders made for each test:
// the hidden file list, the folder list and the drive list.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"

using orvik::DirList;
using orvik::DriveList;
using orvik::FileList;

namespace {

void MakeFile(const QString& path) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write("Aggressive\n");
}

QStringList Texts(const QListWidget& list, int from, int to) {
    QStringList texts;
    for (int row = from; row < to; ++row) texts << list.item(row)->text();
    return texts;
}

}  // namespace

class BrowseListsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void fileListListsStrokeFilesByNameRegardlessOfCase();
    void fileListFailsOnFoldersItCannotList();
    void listsRefuseAFolderWithoutPermission();

    void dirListShowsParentsThenSortedSubfolders();
    void dirListSetPathRaisesChangeOnceInsideTheCall();
    void dirListOpensEntriesByDoubleClickAndEnter();

    void driveListOffersTheRootAndFollowsFoldersQuietly();
    void driveListRaisesChangeOnlyForAnotherUserChoice();

private:
    QTemporaryDir tmp_;
    QString base_;  // tmp_'s path, clean
    QString game_;  // base_/game: subfolders "strokes", "Beta", "alpha", "zeta" and a hidden one
};

void BrowseListsTest::initTestCase() {
    QVERIFY(tmp_.isValid());
    base_ = QDir::cleanPath(tmp_.path());
    game_ = base_ + "/game";
    QDir dir(base_);
    for (const char* sub : {"game/strokes", "game/Beta", "game/alpha", "game/zeta", "game/.hidden"}) QVERIFY(dir.mkpath(sub));
    MakeFile(game_ + "/notes.txt");

    const QString strokes = game_ + "/strokes";
    for (const char* name : {"a-Cc018.atr", "a-Cc017c.atr", "A-CC018.ATR", "readme.atr", "b.ATR", "notes.txt",
                             "x.atrx", "atr", ".hidden.atr"})
        MakeFile(strokes + "/" + name);
    QVERIFY(dir.mkpath("game/strokes/x.atr"));  // a folder, not a file
    QVERIFY(QFile::link(strokes + "/a-Cc018.atr", strokes + "/link.atr"));
    QVERIFY(QFile::link(strokes + "/gone", strokes + "/dead.atr"));  // a broken link
}

void BrowseListsTest::fileListListsStrokeFilesByNameRegardlessOfCase() {
    FileList files;
    QCOMPARE(files.Pattern(), QString("*.atr"));
    const QString strokes = game_ + "/strokes";
    QVERIFY(files.SetPath(strokes));
    QCOMPARE(files.Path(), strokes);
    // Case-insensitive order; names equal but for case by their exact characters.
    const QStringList expected{"a-Cc017c.atr", "A-CC018.ATR", "a-Cc018.atr", "b.ATR", "link.atr", "readme.atr"};
    QCOMPARE(files.Names(), expected);
    QCOMPARE(files.ListCount(), 6);
    QCOMPARE(files.List(0), QString("a-Cc017c.atr"));
    QCOMPARE(files.List(5), QString("readme.atr"));
    QCOMPARE(files.List(6), QString());
    QCOMPARE(files.List(-1), QString());

    QVERIFY(files.SetPath(game_));  // a folder without stroke files
    QCOMPARE(files.ListCount(), 0);
}

void BrowseListsTest::fileListFailsOnFoldersItCannotList() {
    FileList files;
    QVERIFY(files.SetPath(game_ + "/strokes"));
    const QString missing = base_ + "/missing";
    QVERIFY(!files.SetPath(missing));
    QCOMPARE(files.Path(), missing);
    QCOMPARE(files.ListCount(), 0);

    QVERIFY(files.SetPath(game_ + "/strokes"));
    QVERIFY(!files.SetPath(game_ + "/notes.txt"));  // a file, not a folder
    QCOMPARE(files.ListCount(), 0);
    QVERIFY(!files.SetPath(QString()));  // not the working folder
    QCOMPARE(files.ListCount(), 0);
}

void BrowseListsTest::listsRefuseAFolderWithoutPermission() {
    if (::geteuid() == 0) QSKIP("running as root: permissions do not keep root out of a folder");
    const QString locked = base_ + "/locked";
    QVERIFY(QDir().mkpath(locked));
    MakeFile(locked + "/a-Cc018.atr");
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    FileList files;
    const bool listed = files.SetPath(locked);
    DirList dirs;
    QVERIFY(dirs.ShowPath(base_));
    QSignalSpy changes(&dirs, &DirList::Change);
    const bool opened = dirs.SetPath(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!opened);
    QCOMPARE(dirs.Path(), base_);
    QCOMPARE(changes.count(), 0);
    QVERIFY(!listed);
    QCOMPARE(files.ListCount(), 0);
    QCOMPARE(files.Path(), locked);
}

void BrowseListsTest::dirListShowsParentsThenSortedSubfolders() {
    DirList dirs;
    QSignalSpy changes(&dirs, &DirList::Change);
    QVERIFY(dirs.ShowPath(game_ + "/strokes/../"));  // cleaned on the way in
    QCOMPARE(dirs.Path(), game_);
    QCOMPARE(changes.count(), 0);

    const int depth = game_.count('/');  // "/", then one entry per folder name
    QCOMPARE(dirs.count(), depth + 1 + 4);
    QCOMPARE(dirs.item(0)->text(), QString("/"));
    QCOMPARE(dirs.item(0)->data(DirList::PathRole).toString(), QString("/"));
    for (int row = 0; row <= depth; ++row) QCOMPARE(dirs.item(row)->data(DirList::DepthRole).toInt(), row);
    QCOMPARE(dirs.item(depth - 1)->data(DirList::PathRole).toString(), base_);
    QCOMPARE(dirs.currentRow(), depth);
    QVERIFY(dirs.item(depth)->isSelected());
    QCOMPARE(dirs.item(depth)->text(), QString("game"));
    // Subfolders by name regardless of case; the hidden one and files stay out.
    QCOMPARE(Texts(dirs, depth + 1, dirs.count()), (QStringList{"alpha", "Beta", "strokes", "zeta"}));
    QCOMPARE(dirs.item(depth + 1)->data(DirList::PathRole).toString(), game_ + "/alpha");
    QCOMPARE(dirs.item(depth + 1)->data(DirList::DepthRole).toInt(), depth + 1);

    QVERIFY(dirs.ShowPath("/"));
    QCOMPARE(dirs.item(0)->text(), QString("/"));
    QCOMPARE(dirs.item(1)->data(DirList::PathRole).toString().count('/'), 1);  // "/bin", not "//bin"
    QCOMPARE(changes.count(), 0);
}

void BrowseListsTest::dirListSetPathRaisesChangeOnceInsideTheCall() {
    DirList dirs;
    QVERIFY(dirs.ShowPath(game_));
    int changes = 0;
    bool insideSetPath = false;
    bool seenInside = false;
    QString seenPath;
    QString seenCurrentEntry;
    connect(&dirs, &DirList::Change, this, [&] {
        ++changes;
        seenInside = insideSetPath;
        seenPath = dirs.Path();
        seenCurrentEntry = dirs.currentItem()->text();
    });
    auto set = [&](const QString& path) {
        insideSetPath = true;
        const bool result = dirs.SetPath(path);
        insideSetPath = false;
        return result;
    };

    QVERIFY(set(game_ + "/strokes"));
    QCOMPARE(changes, 1);
    QVERIFY(seenInside);
    QCOMPARE(seenPath, game_ + "/strokes");
    QCOMPARE(seenCurrentEntry, QString("strokes"));

    QVERIFY(set(game_ + "/strokes/"));  // the same folder
    QCOMPARE(changes, 1);
    QVERIFY(!set(base_ + "/missing"));
    QVERIFY(!set(game_ + "/notes.txt"));
    QVERIFY(!set(QString()));
    QCOMPARE(changes, 1);
    QCOMPARE(dirs.Path(), game_ + "/strokes");

    // The folder shown disappears; its parent can still be chosen.
    QVERIFY(dirs.SetPath(game_ + "/zeta"));
    QVERIFY(QDir(game_).rmdir("zeta"));
    QVERIFY(!set(game_ + "/zeta"));
    QVERIFY(set(game_));
    QCOMPARE(changes, 3);
    QCOMPARE(dirs.Path(), game_);
    QVERIFY(dirs.findItems("zeta", Qt::MatchExactly).isEmpty());
    QVERIFY(QDir(game_).mkdir("zeta"));
}

void BrowseListsTest::dirListOpensEntriesByDoubleClickAndEnter() {
    DirList dirs;
    dirs.resize(300, 400);
    QVERIFY(dirs.ShowPath(game_));
    dirs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dirs));
    QSignalSpy changes(&dirs, &DirList::Change);

    QListWidgetItem* strokes = dirs.findItems("strokes", Qt::MatchExactly).value(0);
    QVERIFY(strokes);
    dirs.scrollToItem(strokes);
    // As a real double click arrives: press and release, then the double click.
    const QPoint centre = dirs.visualItemRect(strokes).center();
    QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(changes.count(), 0);  // a single click only selects
    QTest::mouseDClick(dirs.viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(dirs.Path(), game_ + "/strokes");
    QCOMPARE(changes.count(), 1);

    // Enter opens the selected entry: here the parent, "game".
    dirs.setCurrentRow(dirs.currentRow() - 1);
    QTest::keyClick(&dirs, Qt::Key_Return);
    QCOMPARE(dirs.Path(), game_);
    QCOMPARE(changes.count(), 2);
    dirs.setCurrentItem(dirs.findItems("alpha", Qt::MatchExactly).value(0));
    QTest::keyClick(&dirs, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(dirs.Path(), game_ + "/alpha");
    QCOMPARE(changes.count(), 3);
    // Enter on the current folder itself is no change.
    QTest::keyClick(&dirs, Qt::Key_Return);
    QCOMPARE(changes.count(), 3);
}

void BrowseListsTest::driveListOffersTheRootAndFollowsFoldersQuietly() {
    DriveList drives;
    QSignalSpy changes(&drives, &DriveList::Change);
    QVERIFY(drives.findData(QString("/")) >= 0);
    QCOMPARE(drives.Drive(), QStorageInfo(QDir::currentPath()).rootPath());

    drives.ShowDriveOf(game_);
    QCOMPARE(drives.Drive(), QStorageInfo(game_).rootPath());
    drives.ShowDriveOf(base_ + "/missing/deeper");  // the volume of the nearest existing parent
    QCOMPARE(drives.Drive(), QStorageInfo(base_).rootPath());
    drives.ShowDriveOf("/");
    QCOMPARE(drives.Drive(), QString("/"));
    drives.Refresh();
    QCOMPARE(drives.Drive(), QString("/"));
    QCOMPARE(changes.count(), 0);
}

void BrowseListsTest::driveListRaisesChangeOnlyForAnotherUserChoice() {
    DriveList drives;
    drives.ShowDriveOf("/");
    drives.show();
    QVERIFY(QTest::qWaitForWindowExposed(&drives));
    QSignalSpy changes(&drives, &DriveList::Change);

    // Choosing the drive already shown, in the opened list, is no change.
    drives.showPopup();
    QTest::keyClick(drives.view(), Qt::Key_Return);
    QCOMPARE(drives.Drive(), QString("/"));
    QCOMPARE(changes.count(), 0);

    if (drives.count() < 2) QSKIP("only one volume is mounted: no other drive to choose");
    const int next = drives.currentIndex() == 0 ? 1 : 0;
    QTest::keyClick(&drives, next == 1 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(drives.Drive(), drives.itemData(next).toString());
}

QTEST_MAIN(BrowseListsTest)
#include "browse_lists_test.moc"
