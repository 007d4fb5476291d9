// The editor under file system faults. A save that fails leaves every file as
// it was, confirms nothing and names the file with the reason. A stroke file
// that cannot be opened is refused with a message and changes nothing; one
// that opens is read whatever it holds.
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <cstring>

#include "support/window_fixture.h"
#include "ui/dir_list.h"

namespace {

// Every name under `root` with the bytes of the files.
QStringList Tree(const QString& root) {
    QStringList tree;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) tree << it.next();
    for (QString& name : tree) name += ' ' + FileBytes(name).toHex();  // nothing for a folder
    tree.sort();
    return tree;
}

// Root writes into any folder whatever its rights, so a read-only or a full
// folder for root is a tmpfs mounted over it, with the stroke file anew.
bool MountTmpfs(const QString& folder, const char* options) {
    return mount("orvik-fault", QFile::encodeName(folder).constData(), "tmpfs", 0, options) == 0 &&
           !WriteStroke(folder + "/a-Cc031.atr", orvik::CleanStroke("")).isEmpty();
}

struct SaveFault {
    const char* name;
    const char* reason;
    bool inChild;                              // in a process of its own
    bool (*breakSave)(const QString& folder);  // false: the fault cannot be made here
    const char* rootReason = nullptr;          // where root's differs: a read-only mount, not permissions
};

const SaveFault SaveFaults[] = {
    {"file size limit", "too large", true,
     [](const QString&) {
         const rlimit limit{200, 200};
         return setrlimit(RLIMIT_FSIZE, &limit) == 0;
     }},
    {"folder gone", "does not exist", false, [](const QString& dir) { return QDir().rename(dir, dir + "-moved"); }},
    {"folder in the file's place", "folder", false,
     [](const QString& dir) { return QDir().rename(dir, dir + "-aside") && QDir().mkpath(dir + "/a-Cc031.atr"); }},
    {"read-only folder", "Permission denied", false,
     [](const QString& dir) {
         return geteuid() != 0 ? QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner)
                               : MountTmpfs(dir, "size=1m") && mount(nullptr, QFile::encodeName(dir).constData(),
                                                                     nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
     },
     "is not writable"},
    {"full disk", "space", false, [](const QString& dir) { return MountTmpfs(dir, "size=1"); }},  // one page, filled
};

}  // namespace

class FaultInjectionTest : public QObject {
    Q_OBJECT
private slots:
    void aFailedSaveLeavesEveryFile_data() {
        QTest::addColumn<int>("fault");
        for (int i = 0; i < int(std::size(SaveFaults)); ++i) QTest::newRow(SaveFaults[i].name) << i;
    }

    void aFailedSaveLeavesEveryFile() {
        QFETCH(int, fault);
        const SaveFault& f = SaveFaults[fault];
        // A lowered file size limit stays with the process.
        if (f.inChild && RanInChild(QStringLiteral("aFailedSaveLeavesEveryFile:") + f.name)) return;
        Editor editor;
        const QString game = editor.folder.filePath("game");
        QVERIFY(QDir().mkpath(game));
        const QString path = editor.Open("game/a-Cc031.atr");
        const QByteArray original = FileBytes(path);
        const auto restore = qScopeGuard([&] {  // so that the folder can be removed
            umount2(QFile::encodeName(game).constData(), MNT_DETACH);
            QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        SetText(editor.window, Text2Of::EdgeProb, "0.75");  // an edit, so that a save would change the file
        if (!f.breakSave(game))
            QSKIP(qPrintable(QStringLiteral("needs a tmpfs of its own here, and mounting one needs CAP_SYS_ADMIN: ") +
                             std::strerror(errno)));
        const QStringList files = Tree(editor.folder.path());
        QVERIFY(files.join('\n').contains(original.toHex()));
        editor.window.Command3_Click();
        QCOMPARE(Tree(editor.folder.path()), files);  // the old file as it was, no file left behind, no folder made
        CheckOneError(editor.dialogs, path, geteuid() == 0 && f.rootReason ? f.rootReason : f.reason);
    }

    void unreadableStrokeFilesAreRefusedAndReadableOnesRead() {
        // The largest file a stroke file may be, as one line.
        constexpr qint64 Long = orvik::MaxStrokeFileSize;
        Editor editor;
        auto& [folder, dialogs, window] = editor;
        for (const char* name : {"a-Cc018.atr", "a-Cc031.atr"})
            WriteStroke(folder.filePath(name), orvik::CleanStroke(""));
        QFile huge(folder.filePath("a-Cc024.atr"));
        QVERIFY(QFile(folder.filePath("a-Cc035.atr")).open(QIODevice::WriteOnly) && huge.open(QIODevice::WriteOnly));
        for (qint64 mb = 0; mb < Long >> 20; ++mb) huge.write(QByteArray(1 << 20, 'x'));  // one line, no line end
        huge.close();
        QVERIFY(Find<orvik::DirList>(window, "Dir1")->SetPath(folder.path()));

        // A file gone since it was loaded, or a folder in its place: one error,
        // and the window as it was (the stroke list shows the loaded stroke
        // again). A pick gone since the folder was listed: main_window_test.
        auto refused = [&](const char* name, const char* why, const std::function<void()>& act) {
            const QStringList before = Snapshot(window);
            act();
            CheckOneError(dialogs, folder.filePath(name), why);
            QCOMPARE(Snapshot(window), before);
        };
        Pick(window, "Combo4", "Forward Defence2");
        QVERIFY(QFile::remove(folder.filePath("a-Cc031.atr")) && QDir(folder.path()).mkdir("a-Cc031.atr"));
        dialogs.openAnswers = {folder.filePath("a-Cc031.atr")};
        refused("a-Cc031.atr", "folder", [&] { window.Command2_Click(); });
        QVERIFY(QFile::remove(folder.filePath("a-Cc018.atr")));
        refused("a-Cc018.atr", "No such file", [&] { window.Command6_Click(); });

        // An empty file, and one line: the line is the only field read, and every
        // later step works on what the buffer holds, cut by the steps before. No
        // key ("R", "EdgeProb6", "V") is found, so the other fields show their
        // start values, not those of the stroke loaded before.
        auto unset = [&] {
            const orvik::StrokeFile& s = window.Stroke();
            QStringList fields{QString::fromStdString(s.Difficulty + s.Name + s.KeyFrames[5].KeyFrameTag),
                               QString::number(s.StumpPosition)};
            return fields + TextsOf(window, {"Combo1", "Combo2", Text2Of::EdgeProb, Text2Of::Frame}) +
                   EntriesOf(window, "Combo3");
        };
        const QStringList startValues{"",      "0",         "", "", "", "0", "Very Late", "Late", "Perfectly on time",
                                      "Early", "Very Early"};
        QVERIFY(unset() != startValues);
        for (auto [entry, length] : {std::pair{"Square Cut", qint64{0}}, {"Normal straight-drive", Long}}) {
            Pick(window, "Combo4", entry);
            QCOMPARE(TakeMessages(dialogs).value(0).section(':', 0, 0), QStringLiteral("Misread stroke file"));
            QCOMPARE(Caption(window), "Orvik Stroke Editor (" + window.FileDialog().FileName() + ")");
            // The whole line, a stroke file's largest, is read (the reader's cuts: stroke_file_test).
            QCOMPARE(qint64(window.Stroke().Type.size()), std::max<qint64>(0, length - 5));
            QCOMPARE(unset(), startValues);
        }
        // One byte more is no stroke file: refused, its size named.
        QVERIFY(huge.open(QIODevice::Append) && huge.write("x") == 1);
        huge.close();
        refused("a-Cc024.atr", "It is 1048577 bytes, more than the 1048576 bytes a stroke file may hold.",
                [&] { window.Command6_Click(); });
    }
};

QTEST_MAIN(FaultInjectionTest)
#include "fault_injection_test.moc"
