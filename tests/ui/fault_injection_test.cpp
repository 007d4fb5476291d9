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
#include <sstream>

#include "core/stroke_writer.h"
#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/dir_list.h"
#include "ui/main_window.h"

#ifndef __has_feature
#define __has_feature(feature) 0  // GCC before 14
#endif

namespace {

// The user picks a stroke in the list (as a click does: select, then activate).
void PickStroke(QWidget& window, const QString& entry) {
    auto* list = Find<QComboBox>(window, "Combo4");
    list->setCurrentIndex(list->findText(entry));
    emit list->activated(list->currentIndex());
}

// All a refused load must leave as it was: caption, current file, the text,
// entries, selection and state of every control, and the record.
QStringList Snapshot(orvik::MainWindow& window) {
    QStringList state{window.windowTitle(), window.FileDialog().FileName()};
    for (QWidget* c : window.findChildren<QWidget*>()) {
        state << c->objectName() + ' ' + c->property("text").toString() + c->property("currentIndex").toString() +
                     QString::number(c->isEnabled());
        if (auto* list = qobject_cast<QComboBox*>(c))
            for (int i = 0; i < list->count(); ++i) state << list->itemText(i);
    }
    std::ostringstream record;  // as the writer sees it, with the type and bowler class of the record
    orvik::WriteStrokeFile(record, window.Stroke(), window.Stroke().Type, window.Stroke().BowlerTypes);
    return state << QString::fromStdString(record.str());
}

// Every name under `root` with the bytes of the files.
QStringList Tree(const QString& root) {
    QStringList tree;
    for (QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         it.hasNext();)
        tree << it.next();
    for (QString& name : tree) name += ' ' + FileBytes(name).toHex();  // nothing for a folder
    tree.sort();
    return tree;
}

// Exactly one message: an error naming `path`, with `why` in the reason that
// follows on the next line.
void CheckOneError(const decltype(FakeDialogs::messages)& messages, const QString& path, const char* why) {
    QCOMPARE(int(messages.size()), 1);
    const QString reason = messages[0].text.section('\n', 1, 1);
    QVERIFY2(messages[0].icon == orvik::MessageIcon::Critical && messages[0].title != "Saved!" &&
                 messages[0].text.contains(path) && !reason.isEmpty() && reason.contains(why, Qt::CaseInsensitive),
             qPrintable(messages[0].text));
}

// Root writes into any folder whatever its rights, so a read-only or a full
// folder for root is a tmpfs mounted over it, with the stroke file anew.
bool MountTmpfs(const QString& folder, const char* options) {
    return mount("orvik-fault", QFile::encodeName(folder).constData(), "tmpfs", 0, options) == 0 &&
           !WriteStroke(folder + "/a-Cc031.atr", SampleStroke({})).isEmpty();
}

struct SaveFault {
    const char* name;
    const char* reason;
    bool inChild;                              // in a process of its own
    bool (*breakSave)(const QString& folder);  // false: the fault cannot be made here
};

const SaveFault SaveFaults[] = {
    {"file size limit", "too large", true,
     [](const QString&) {
         std::signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG instead of ending the process
         const rlimit limit{200, 200};
         return setrlimit(RLIMIT_FSIZE, &limit) == 0;
     }},
    {"folder gone", "does not exist", false, [](const QString& dir) { return QDir().rename(dir, dir + "-moved"); }},
    {"folder in the file's place", "folder", false,
     [](const QString& dir) { return QDir().rename(dir, dir + "-aside") && QDir().mkpath(dir + "/a-Cc031.atr"); }},
    {"read-only folder", "", false,
     [](const QString& dir) {
         return geteuid() != 0 ? QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner)
                               : MountTmpfs(dir, "size=1m") && mount(nullptr, QFile::encodeName(dir).constData(),
                                                                     nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
     }},
    {"full disk", "space", false, [](const QString& dir) { return MountTmpfs(dir, "size=1"); }},  // one page, filled
};

constexpr char ChildVariable[] = "ORVIK_SAVE_UNDER_FILE_SIZE_LIMIT";

}  // namespace

class FaultInjectionTest : public QObject {
    Q_OBJECT
private slots:
    void aFailedSaveLeavesEveryFile_data();
    void aFailedSaveLeavesEveryFile();
    void unreadableStrokeFilesAreRefusedAndReadableOnesRead();
};

void FaultInjectionTest::aFailedSaveLeavesEveryFile_data() {
    QTest::addColumn<int>("fault");
    for (int i = 0; i < int(std::size(SaveFaults)); ++i) QTest::newRow(SaveFaults[i].name) << i;
}

void FaultInjectionTest::aFailedSaveLeavesEveryFile() {
    QFETCH(int, fault);
    const SaveFault& f = SaveFaults[fault];
    if (f.inChild && !qEnvironmentVariableIsSet(ChildVariable)) {
        // A lowered file size limit stays with the process: this row runs
        // again in a child of its own.
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.setEnvironment(QProcess::systemEnvironment() << QString(ChildVariable) + "=1");
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("aFailedSaveLeavesEveryFile:") + f.name});
        QVERIFY2(child.waitForFinished(120000) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
        return;
    }
    QTemporaryDir root;
    const QString game = root.filePath("game"), path = game + "/a-Cc031.atr";
    QVERIFY(QDir().mkpath(game));
    const QByteArray original = FileBytes(WriteStroke(path, SampleStroke({})));
    const auto restore = qScopeGuard([&] {  // so that the folder can be removed
        umount2(QFile::encodeName(game).constData(), MNT_DETACH);
        QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    FakeDialogs dialogs;
    orvik::MainWindow window(dialogs);
    dialogs.openAnswers = {path};
    window.Command2_Click();
    SetText(window, "Text2(4)", "0.75");  // an edit, so that a save would change the file
    if (!f.breakSave(game))
        QSKIP(qPrintable(QStringLiteral("needs a tmpfs of its own here, and mounting one needs CAP_SYS_ADMIN: ") +
                         std::strerror(errno)));
    const QStringList files = Tree(root.path());
    QVERIFY(files.join('\n').contains(original.toHex()));
    window.Command3_Click();
    QCOMPARE(Tree(root.path()), files);  // the old file as it was, no file left behind, no folder made
    CheckOneError(dialogs.messages, path, f.reason);
}

void FaultInjectionTest::unreadableStrokeFilesAreRefusedAndReadableOnesRead() {
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
    // The reader goes through the whole line dozens of times, which takes
    // half a minute for 100 MB under AddressSanitizer; the steps it runs do
    // not depend on the length, so the checked build reads a shorter line.
    constexpr qint64 Long = 16 << 20;
#else
    constexpr qint64 Long = 100 << 20;
#endif
    QTemporaryDir folder;
    for (const char* name : {"a-Cc018.atr", "a-Cc021.atr", "a-Cc031.atr"})
        WriteStroke(folder.filePath(name), SampleStroke({}));
    QFile huge(folder.filePath("a-Cc024.atr"));
    QVERIFY(QFile(folder.filePath("a-Cc035.atr")).open(QIODevice::WriteOnly) && huge.open(QIODevice::WriteOnly));
    for (qint64 mb = 0; mb < Long >> 20; ++mb) huge.write(QByteArray(1 << 20, 'x'));  // one line, no line end
    huge.close();
    FakeDialogs dialogs;
    orvik::MainWindow window(dialogs);
    QVERIFY(Find<orvik::DirList>(window, "Dir1")->SetPath(folder.path()));

    // A file gone since the folder was listed, or a folder in its place: one
    // error, and the window as it was (the stroke list shows the loaded
    // stroke again, or nothing).
    auto refused = [&](const char* name, const char* why, const std::function<void()>& act) {
        const QStringList before = Snapshot(window);
        act();
        CheckOneError(dialogs.messages, folder.filePath(name), why);
        QCOMPARE(Snapshot(window), before);
        dialogs.messages.clear();
    };
    QVERIFY(QFile::remove(folder.filePath("a-Cc021.atr")));
    refused("a-Cc021.atr", "No such file", [&] { PickStroke(window, "Cover drive(slashing shot)"); });
    PickStroke(window, "Forward Defence2");
    QVERIFY(QFile::remove(folder.filePath("a-Cc031.atr")) && QDir(folder.path()).mkdir("a-Cc031.atr"));
    refused("a-Cc031.atr", "folder", [&] { PickStroke(window, "Pull"); });
    dialogs.openAnswers = {folder.filePath("a-Cc031.atr")};
    refused("a-Cc031.atr", "folder", [&] { window.Command2_Click(); });

    // An empty file, and one line: the line is the only field read, and every
    // later step works on what the buffer holds, cut by the steps before (Type
    // is from(B, 6), Faceing from(B, 9), Reward from(from(B, 12), 7), ...). No
    // key ("R", "EdgeProb6", "V") is found, so the other fields keep theirs.
    auto kept = [&] {
        const orvik::StrokeFile& s = window.Stroke();
        QStringList fields{QString::fromStdString(s.Difficulty + s.Name + s.KeyFrames[5].KeyFrameTag),
                           QString::number(s.StumpPosition)};
        for (const char* shown : {"Combo1", "Text2(4)", "Text2(0)"}) fields << TextOf(window, shown);
        return fields << EntriesOf(window, "Combo3");
    };
    const QStringList before = kept();
    for (auto [entry, length] : {std::pair{"Square Cut", qint64{0}}, {"Normal straight-drive", Long}}) {
        PickStroke(window, entry);
        QVERIFY(dialogs.messages.empty());
        QCOMPARE(window.windowTitle(), "Orvik Stroke Editor (" + window.FileDialog().FileName() + ")");
        const orvik::StrokeFile& s = window.Stroke();
        for (auto [text, cut] : {std::pair{&s.Type, 5}, {&s.Faceing, 8}, {&s.Reward, 17}, {&s.Reward6, 30},
                                 {&s.Reward3, 42}, {&s.EdgeProb3, 62}, {&s.Variation, 67}})
            QVERIFY2(qint64(text->size()) == std::max<qint64>(0, length - cut) &&
                         text->find_first_not_of('x') == text->npos, entry);
        QCOMPARE(kept(), before);
    }

    // Random bytes, the reader's own characters ("," '"' CR LF space NUL) far
    // more often than chance: read, saved, read again and saved again.
    QRandomGenerator random(20240531);
    for (int round = 0; round < 10; ++round) {
        QByteArray bytes(random.bounded(1, 4096), Qt::Uninitialized);
        for (char& byte : bytes)
            byte = random.bounded(400) < 256 ? char(random.generate()) : ",\"\r\n \0"[random.bounded(6)];
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write(bytes) == bytes.size());
        huge.close();
        for (int save = 0; save < 2; ++save) {
            window.Command6_Click();
            window.Command3_Click();
            QVERIFY2(FileBytes(huge.fileName()).startsWith("StrokeAttr\r\n\r\nType "),
                     qPrintable(QString::number(round)));
        }
    }
    QCOMPARE(int(dialogs.messages.size()), 20);
    for (const auto& m : dialogs.messages) QCOMPARE(m.title, QStringLiteral("Saved!"));
}

QTEST_MAIN(FaultInjectionTest)
#include "fault_injection_test.moc"
