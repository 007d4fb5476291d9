// The editor under file system faults. A save that fails (file size limit,
// folder gone, a folder in the file's place, a read-only folder, a full disk)
// leaves the file byte for byte as it was, confirms nothing and tells the user
// which file and why. A stroke file that cannot be read (a folder of that
// name, a file gone since the folder was listed) is refused with a message and
// changes nothing; a file that can be read is loaded whatever it holds (one
// line of 100 MB, random bytes, nothing at all).
//
// The file size limit needs a process of its own: the test binary runs itself
// again with FaultChildVariable set, and that child loads the stroke, lowers
// RLIMIT_FSIZE, saves and prints what the dialogs were asked to show.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <string>

#include "support/fake_dialogs.h"
#include "support/fault_window_snapshot.h"
#include "support/window_fixture.h"
#include "ui/dir_list.h"
#include "ui/main_window.h"

#if defined(__SANITIZE_ADDRESS__)
#define ORVIK_FAULT_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVIK_FAULT_UNDER_ASAN 1
#endif
#endif

using orvik::MainWindow;

namespace {

// The user picks the entry with this text in a list (as Qt's list does on a
// click: select, then report the activation).
void PickEntry(QWidget& window, const char* name, const QString& entry) {
    auto* list = Find<QComboBox>(window, name);
    const int index = list->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Set to a stroke file's path, the test binary saves that stroke under a file
// size limit of FileSizeLimit bytes instead of running the tests.
constexpr char FaultChildVariable[] = "ORVIK_FAULT_SAVE_UNDER_FILE_SIZE_LIMIT";
constexpr rlim_t FileSizeLimit = 200;

// The child's report: one line per message shown, "<title>\t<icon>\t<text>",
// line ends in the text written as "\n".
QString MessageLine(const RecordedMessage& message) {
    QString text = message.text;
    text.replace('\\', QStringLiteral("\\\\")).replace('\n', QStringLiteral("\\n"));
    const char* icon = message.icon == orvik::MessageIcon::Critical ? "critical" : "information";
    return message.title + '\t' + QLatin1String(icon) + '\t' + text;
}

std::vector<RecordedMessage> ParseMessageLines(const QByteArray& output) {
    std::vector<RecordedMessage> messages;
    for (const QString& line : QString::fromUtf8(output).split('\n', Qt::SkipEmptyParts)) {
        const QStringList parts = line.split('\t');
        if (parts.size() != 3) continue;
        QString text = parts[2];
        text.replace(QStringLiteral("\\n"), QStringLiteral("\n")).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        messages.push_back(
            {text, parts[0],
             parts[1] == QLatin1String("critical") ? orvik::MessageIcon::Critical : orvik::MessageIcon::Information});
    }
    return messages;
}

// The child's work: load `path`, then save it with the file size limit in
// force. SIGXFSZ is ignored, so the write fails with EFBIG instead of the
// signal ending the process.
int SaveUnderFileSizeLimit(const QString& path) {
    QTextStream out(stdout);
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {path};
    window.Command2_Click();
    if (!dialogs.messages.empty()) {
        out << "load failed: " << dialogs.messages.front().text << '\n';
        return 3;
    }
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = FileSizeLimit;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        out << "setrlimit failed: " << std::strerror(errno) << '\n';
        return 4;
    }
    window.Command3_Click();
    for (const RecordedMessage& message : dialogs.messages) out << MessageLine(message) << '\n';
    return 0;
}

// A failed save: one new message, an error naming the file with a reason, no
// confirmation, and the file as it was.
void CheckSaveRefused(const std::vector<RecordedMessage>& messages, std::size_t before, const QString& path,
                      const QString& original, const QByteArray& originalBytes) {
    QCOMPARE(FileBytes(original), originalBytes);
    QCOMPARE(messages.size(), before + 1);
    const RecordedMessage& message = messages.back();
    QVERIFY2(message.text.contains(path), qPrintable(message.text));
    QCOMPARE(message.icon, orvik::MessageIcon::Critical);
    QVERIFY(message.title != QStringLiteral("Saved!"));
    // The reason follows the sentence that names the file.
    const QStringList lines = message.text.split('\n');
    QVERIFY2(lines.size() >= 2 && !lines[1].trimmed().isEmpty(), qPrintable(message.text));
    for (const RecordedMessage& any : messages) QVERIFY(any.title != QStringLiteral("Saved!"));
}

// Names in `folder` besides `expected`: a failed save must leave no temporary
// file behind.
QStringList EntriesBeside(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A tmpfs of its own at a folder of the test, unmounted again at the end. Root
// may write into any folder whatever its permissions, so a read-only or a full
// folder needs a file system of its own; mounting needs CAP_SYS_ADMIN.
class TmpfsMount {
public:
    TmpfsMount(const QString& folder, int sizeBytes) : folder_(QFile::encodeName(folder)) {
        const QByteArray options = "size=" + QByteArray::number(sizeBytes) + ",mode=0755";
        if (mount("orvik-fault-test", folder_.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0)
            mounted_ = true;
        else
            error_ = errno;
    }
    ~TmpfsMount() {
        if (mounted_) umount2(folder_.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool Mounted() const { return mounted_; }
    // The reason for skipping a test that needs this file system.
    QString Why(const char* purpose) const {
        return QStringLiteral("%1 needs a tmpfs of its own, and mounting one failed: %2 (mount needs CAP_SYS_ADMIN)")
            .arg(QLatin1String(purpose), QString::fromLocal8Bit(std::strerror(error_)));
    }
    bool RemountReadOnly() {
        if (mount("orvik-fault-test", folder_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                  nullptr) == 0)
            return true;
        error_ = errno;
        return false;
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
    int error_ = 0;
};

// Writes `bytes` of 'x' and no line end, a chunk at a time, so that the test
// never holds the whole text.
void WriteOneLongLine(const QString& path, qint64 bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray chunk(1 << 20, 'x');
    for (qint64 written = 0; written < bytes;) {
        const qint64 part = std::min<qint64>(chunk.size(), bytes - written);
        QCOMPARE(file.write(chunk.constData(), part), part);
        written += part;
    }
}

// The fields that a failed read or a failed cut leaves as they were: the
// values left of a key (Difficulty, Difficulty6, Difficulty3, EdgeProb,
// EdgeProb6, Name), the four numbers of the header and the six numbers of
// every key frame. The texts that a load may fill are left out, so that no
// copy of a long one is made.
QStringList FieldsAFailedReadKeeps(const orvik::StrokeFile& stroke) {
    QStringList fields;
    for (const std::string* text : {&stroke.Difficulty, &stroke.Difficulty6, &stroke.Difficulty3, &stroke.EdgeProb,
                                    &stroke.EdgeProb6, &stroke.Name})
        fields << QString::fromStdString(*text);
    for (int number : {stroke.BowlerTypes, stroke.StumpPosition, stroke.BatsmanPosition, stroke.PitchPosition})
        fields << QString::number(number);
    for (const orvik::KeyFrame& frame : stroke.KeyFrames) {
        fields << QString::number(frame.Frame);
        for (double value : {frame.Vertical, frame.Direction, frame.DirectionRange, frame.Power, frame.PowerRange})
            fields << QString::number(value, 'g', 17);
    }
    return fields;
}

// `text` holds `length` characters, all 'x', checked without copying it.
bool AllXOfLength(const std::string& text, std::size_t length) {
    return text.size() == length && text.find_first_not_of('x') == std::string::npos;
}

}  // namespace

class FaultInjectionTest : public QObject {
    Q_OBJECT
private slots:
    void saveThatHitsTheFileSizeLimitLeavesTheFile();
    void saveIntoAFolderThatWasRenamedLeavesTheFile();
    void saveOntoAFolderOfTheFilesNameLeavesIt();
    void saveIntoAReadOnlyFolderLeavesTheFile();
    void saveOntoAFullDiskLeavesTheFile();
    void aFolderNamedLikeAStrokeFileIsRefused();
    void aOneLineFileOfOneHundredMegabytesLoads();
    void binaryFilesLoadAndSaveIntoFilesThatLoadAgain();
    void anEmptyFileReadsAsAMissingFile();
    void aFileThatVanishedBeforeThePickIsRefused();
};

void FaultInjectionTest::saveThatHitsTheFileSizeLimitLeavesTheFile() {
    QTemporaryDir folder;
    const QString path = WriteStroke(folder.filePath("a-Cc031.atr"), SampleStroke({"0", "1", "2", "3", "4"}));
    const QByteArray original = FileBytes(path);
    QVERIFY(original.size() > static_cast<qsizetype>(FileSizeLimit));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(FaultChildVariable), path);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY2(child.waitForFinished(120000), "the saving child process did not end");
    const QByteArray output = child.readAllStandardOutput();
    const QByteArray errors = child.readAllStandardError();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(QString::fromLocal8Bit(output + errors)));

    const std::vector<RecordedMessage> messages = ParseMessageLines(output);
    CheckSaveRefused(messages, 0, path, path, original);
    QVERIFY2(messages.back().text.contains(QStringLiteral("too large"), Qt::CaseInsensitive),
             qPrintable(messages.back().text));
    QCOMPARE(EntriesBeside(folder.path()), QStringList{"a-Cc031.atr"});
}

void FaultInjectionTest::saveIntoAFolderThatWasRenamedLeavesTheFile() {
    QTemporaryDir root;
    const QString game = root.filePath("game");
    QVERIFY(QDir().mkpath(game));
    const QString path = WriteStroke(game + "/a-Cc031.atr", SampleStroke({"2"}));
    const QByteArray original = FileBytes(path);
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {path};
    window.Command2_Click();
    QVERIFY(dialogs.messages.empty());
    SetText(window, "Text2(4)", "0.75");

    QVERIFY(QDir().rename(game, root.filePath("moved")));
    window.Command3_Click();
    CheckSaveRefused(dialogs.messages, 0, path, root.filePath("moved/a-Cc031.atr"), original);
    QVERIFY(!QFileInfo::exists(game));  // not created again
    QCOMPARE(EntriesBeside(root.filePath("moved")), QStringList{"a-Cc031.atr"});
}

void FaultInjectionTest::saveOntoAFolderOfTheFilesNameLeavesIt() {
    QTemporaryDir folder;
    const QString path = WriteStroke(folder.filePath("a-Cc031.atr"), SampleStroke({}));
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {path};
    window.Command2_Click();
    QVERIFY(dialogs.messages.empty());

    // The file moves aside and a folder holding a file takes its name.
    const QByteArray original = FileBytes(path);
    QVERIFY(QFile::rename(path, folder.filePath("aside.atr")));
    QVERIFY(QDir(folder.path()).mkdir("a-Cc031.atr"));
    QFile inside(path + "/inside.txt");
    QVERIFY(inside.open(QIODevice::WriteOnly));
    inside.write("keep me");
    inside.close();

    window.Command3_Click();
    CheckSaveRefused(dialogs.messages, 0, path, folder.filePath("aside.atr"), original);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(EntriesBeside(path), QStringList{"inside.txt"});
    QCOMPARE(FileBytes(path + "/inside.txt"), QByteArray("keep me"));
    QCOMPARE(EntriesBeside(folder.path()), (QStringList{"a-Cc031.atr", "aside.atr"}));
}

void FaultInjectionTest::saveIntoAReadOnlyFolderLeavesTheFile() {
    QTemporaryDir root;
    const QString game = root.filePath("game");
    QVERIFY(QDir().mkpath(game));
    std::optional<TmpfsMount> mount;
    if (geteuid() == 0) {
        mount.emplace(game, 1 << 20);
        if (!mount->Mounted()) QSKIP(qPrintable(mount->Why("a read-only folder for root")));
    }
    const QString path = WriteStroke(game + "/a-Cc031.atr", SampleStroke({"0", "1"}));
    const QByteArray original = FileBytes(path);
    if (mount) {
        if (!mount->RemountReadOnly()) QSKIP(qPrintable(mount->Why("a read-only folder for root")));
    } else {
        QVERIFY(QFile::setPermissions(game, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                                QFile::ReadOther | QFile::ExeOther));
    }
    // Whatever way the folder was made read-only, nothing can be created in it.
    QVERIFY(!QFile(game + "/probe").open(QIODevice::WriteOnly));

    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {path};
    window.Command2_Click();
    QVERIFY(dialogs.messages.empty());
    SetText(window, "Text2(7)", "0.5");
    window.Command3_Click();
    CheckSaveRefused(dialogs.messages, 0, path, path, original);
    QCOMPARE(EntriesBeside(game), QStringList{"a-Cc031.atr"});

    if (!mount) QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void FaultInjectionTest::saveOntoAFullDiskLeavesTheFile() {
    QTemporaryDir root;
    const QString game = root.filePath("game");
    QVERIFY(QDir().mkpath(game));
    TmpfsMount mount(game, 64 * 1024);
    if (!mount.Mounted()) QSKIP(qPrintable(mount.Why("a full disk")));
    const QString path = WriteStroke(game + "/a-Cc031.atr", SampleStroke({"0", "1", "2", "3", "4"}));
    const QByteArray original = FileBytes(path);

    // Fill the rest of the file system, down to the last byte.
    const QByteArray filler = QFile::encodeName(game + "/filler");
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    const std::string block(4096, 'f');
    int lastError = 0;
    for (std::size_t size : {block.size(), std::size_t{1}}) {
        while (::write(fd, block.data(), size) > 0) {
        }
        lastError = errno;
    }
    ::close(fd);
    QCOMPARE(lastError, ENOSPC);

    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {path};
    window.Command2_Click();
    QVERIFY(dialogs.messages.empty());
    window.Command3_Click();
    CheckSaveRefused(dialogs.messages, 0, path, path, original);
    QVERIFY2(dialogs.messages.back().text.contains(QStringLiteral("space"), Qt::CaseInsensitive),
             qPrintable(dialogs.messages.back().text));
    QCOMPARE(EntriesBeside(game), (QStringList{"a-Cc031.atr", "filler"}));
}

void FaultInjectionTest::aFolderNamedLikeAStrokeFileIsRefused() {
    QTemporaryDir root;
    const QString game = root.filePath("game");
    const QString other = root.filePath("other");
    QVERIFY(QDir().mkpath(game));
    QVERIFY(QDir().mkpath(other + "/a-Cc031.atr"));
    WriteStroke(game + "/a-Cc018.atr", SampleStroke({"1"}));
    WriteStroke(game + "/a-Cc031.atr", SampleStroke({}));
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    auto* dir1 = Find<orvik::DirList>(window, "Dir1");

    // A folder alone is not a stroke file: it is neither counted nor listed.
    QVERIFY(dir1->SetPath(other));
    QCOMPARE(TextOf(window, "Label2(0)"), QStringLiteral("0 Stroke file(s) found in the directory."));
    QVERIFY(EntriesOf(window, "Combo4").isEmpty());

    // Listed as a file, then a folder takes the file's name before the pick.
    QVERIFY(dir1->SetPath(game));
    PickEntry(window, "Combo4", "Forward Defence2");
    QVERIFY(dialogs.messages.empty());
    const QStringList loaded = WindowSnapshot(window);
    QVERIFY(QFile::remove(game + "/a-Cc031.atr"));
    QVERIFY(QDir(game).mkdir("a-Cc031.atr"));
    PickEntry(window, "Combo4", "Pull");
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QVERIFY2(dialogs.messages[0].text.contains(dir1->Path() + "/a-Cc031.atr"), qPrintable(dialogs.messages[0].text));
    QVERIFY2(dialogs.messages[0].text.contains(QStringLiteral("folder")), qPrintable(dialogs.messages[0].text));
    QCOMPARE(dialogs.messages[0].icon, orvik::MessageIcon::Critical);
    QCOMPARE(WindowSnapshot(window), loaded);
    QCOMPARE(TextOf(window, "Combo4"), QStringLiteral("Forward Defence2"));

    // Open through the file dialog.
    dialogs.openAnswers = {other + "/a-Cc031.atr"};
    window.Command2_Click();
    QCOMPARE(dialogs.messages.size(), std::size_t{2});
    QVERIFY2(dialogs.messages[1].text.contains(other + "/a-Cc031.atr"), qPrintable(dialogs.messages[1].text));
    QCOMPARE(dialogs.messages[1].icon, orvik::MessageIcon::Critical);
    QCOMPARE(WindowSnapshot(window), loaded);
}

void FaultInjectionTest::aOneLineFileOfOneHundredMegabytesLoads() {
    QTemporaryDir folder;
    const QString small = WriteStroke(folder.filePath("a-Cc031.atr"), SampleStroke({"0", "1", "2", "3", "4"}));
    const QString big = folder.filePath("a-Cc024.atr");
#ifdef ORVIK_FAULT_UNDER_ASAN
    // The reader searches and copies the whole line dozens of times, which
    // takes 1.5 minutes for 100 MB under AddressSanitizer; the steps it runs
    // do not depend on the length, so the checked build reads a shorter line.
    constexpr std::size_t length = 16u << 20;
#else
    constexpr std::size_t length = 100u << 20;
#endif
    WriteOneLongLine(big, static_cast<qint64>(length));

    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {small, big};
    window.Command2_Click();
    const orvik::StrokeFile& stroke = window.Stroke();
    const QStringList before = FieldsAFailedReadKeeps(stroke);
    const QString combo1 = TextOf(window, "Combo1");
    const QString edgeProb = TextOf(window, "Text2(4)");

    window.Command2_Click();
    QVERIFY(dialogs.messages.empty());
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvik Stroke Editor (%1)").arg(big));
    // The one line is the only field read; every later read fails and each
    // step then works on what the buffer holds, trimmed by the steps before
    // (Type is from(B, 6), Faceing from(B, 9), Reward from(from(B, 12), 7), ...).
    QVERIFY(AllXOfLength(stroke.Type, length - 5));
    QVERIFY(AllXOfLength(stroke.Faceing, length - 8));
    QVERIFY(AllXOfLength(stroke.Reward, length - 17));
    QVERIFY(AllXOfLength(stroke.Reward6, length - 30));
    QVERIFY(AllXOfLength(stroke.Reward3, length - 42));
    QVERIFY(AllXOfLength(stroke.EdgeProb3, length - 62));
    QVERIFY(AllXOfLength(stroke.Variation, length - 67));
    // No key ("R", "EdgeProb6", "V") is found, so the values left of one keep
    // theirs, as do all numbers; no six-hit key frame is there.
    QCOMPARE(FieldsAFailedReadKeeps(stroke), before);
    for (int k = orvik::NormalKeyFrameCount; k < orvik::KeyFrameCount; ++k)
        QVERIFY(stroke.KeyFrames[static_cast<std::size_t>(k)].KeyFrameTag.empty());
    for (int j = 1; j <= orvik::TrailingLineArray::Last; ++j) QVERIFY(stroke.TrailingLines.at(j).empty());
    QCOMPARE(EntriesOf(window, "Combo3").size(), 5);
    QCOMPARE(TextOf(window, "Combo1"), combo1);  // no entry is 100 MB long
    QCOMPARE(TextOf(window, "Text2(4)"), edgeProb);
    QCOMPARE(TextOf(window, "Label2(11)"), QStringLiteral("Normal straight-drive"));  // "...24.atr"
}

void FaultInjectionTest::binaryFilesLoadAndSaveIntoFilesThatLoadAgain() {
    QTemporaryDir folder;
    const QString path = folder.filePath("a-Cc031.atr");
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    QRandomGenerator random(20240531);
    // Bytes of every value, with the field reader's own characters ("," '"'
    // CR LF space and NUL) much more often than chance, in files of a few
    // lines to a few kilobytes.
    const char special[] = {',', '"', '\r', '\n', ' ', '\0'};
    for (int round = 0; round < 40; ++round) {
        QByteArray bytes(random.bounded(1, 4096), Qt::Uninitialized);
        for (char& byte : bytes) {
            const quint32 pick = random.bounded(256 + 6 * 24);
            byte = pick < 256 ? static_cast<char>(pick) : special[(pick - 256) / 24];
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();

        const std::size_t before = dialogs.messages.size();
        dialogs.openAnswers = {path};
        window.Command2_Click();
        QCOMPARE(dialogs.messages.size(), before);  // loaded, not refused
        QCOMPARE(window.FileDialog().FileName(), path);

        window.Command3_Click();
        QCOMPARE(dialogs.messages.size(), before + 1);
        QCOMPARE(dialogs.messages.back().title, QStringLiteral("Saved!"));
        const QByteArray saved = FileBytes(path);
        QVERIFY(saved.startsWith("StrokeAttr\r\n\r\nType "));

        // The saved file loads again (Reset), and after a few rounds of
        // loading and saving the text no longer changes.
        QByteArray previous = saved;
        bool settled = false;
        std::size_t saves = 1;
        for (int cycle = 0; cycle < 4 && !settled; ++cycle) {
            window.Command6_Click();
            window.Command3_Click();
            ++saves;
            const QByteArray again = FileBytes(path);
            settled = again == previous;
            previous = again;
        }
        QCOMPARE(dialogs.messages.size(), before + saves);
        for (std::size_t i = before; i < dialogs.messages.size(); ++i)
            QCOMPARE(dialogs.messages[i].title, QStringLiteral("Saved!"));
        QVERIFY2(settled, qPrintable(QStringLiteral("round %1 did not settle").arg(round)));
    }
}

void FaultInjectionTest::anEmptyFileReadsAsAMissingFile() {
    QTemporaryDir folder;
    WriteStroke(folder.filePath("a-Cc018.atr"), SampleStroke({"0", "1", "2", "3", "4"}));
    QFile empty(folder.filePath("a-Cc031.atr"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    QVERIFY(Find<orvik::DirList>(window, "Dir1")->SetPath(folder.path()));
    PickEntry(window, "Combo4", "Forward Defence2");
    const QStringList before = FieldsAFailedReadKeeps(window.Stroke());
    const QString combo1 = TextOf(window, "Combo1");

    PickEntry(window, "Combo4", "Pull");
    QVERIFY(dialogs.messages.empty());
    const QString path = window.FileDialog().FileName();
    QVERIFY(path.endsWith(QStringLiteral("/a-Cc031.atr")));
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvik Stroke Editor (%1)").arg(path));
    QVERIFY(Find<QPushButton>(window, "Command3")->isEnabled());
    QVERIFY(Find<QPushButton>(window, "Command6")->isEnabled());
    QCOMPARE(TextOf(window, "Label2(11)"), QStringLiteral("Pull"));

    // With an empty buffer throughout, the steps that take the rest of the
    // line succeed with empty text; those that cut before a key, and all
    // numbers, fail and keep their values.
    const orvik::StrokeFile& stroke = window.Stroke();
    for (const std::string* text : {&stroke.Type, &stroke.Faceing, &stroke.Reward, &stroke.Reward6, &stroke.Reward3,
                                    &stroke.EdgeProb3, &stroke.Variation})
        QVERIFY(text->empty());
    QCOMPARE(FieldsAFailedReadKeeps(stroke), before);
    for (int k = orvik::NormalKeyFrameCount; k < orvik::KeyFrameCount; ++k)
        QVERIFY(stroke.KeyFrames[static_cast<std::size_t>(k)].KeyFrameTag.empty());
    for (int j = 0; j <= orvik::TrailingLineArray::Last; ++j) QVERIFY(stroke.TrailingLines.at(j).empty());
    QCOMPARE(EntriesOf(window, "Combo3").size(), 5);
    QCOMPARE(TextOf(window, "Combo1"), combo1);                  // an empty type is no entry
    QCOMPARE(TextOf(window, "Text2(0)"), QStringLiteral("10"));  // key frame 0 kept its frame number
}

void FaultInjectionTest::aFileThatVanishedBeforeThePickIsRefused() {
    QTemporaryDir root;
    const QString game = root.filePath("game");
    const QString second = root.filePath("second");
    QVERIFY(QDir().mkpath(game));
    QVERIFY(QDir().mkpath(second));
    for (const char* name : {"a-Cc018.atr", "a-Cc021.atr", "a-Cc031.atr"})
        WriteStroke(game + "/" + name, SampleStroke({"0"}));
    WriteStroke(second + "/a-Cc024.atr", SampleStroke({}));
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    auto* dir1 = Find<orvik::DirList>(window, "Dir1");
    auto* combo4 = Find<QComboBox>(window, "Combo4");

    auto pickVanished = [&](const QString& name, const char* file) {
        const QStringList before = WindowSnapshot(window);
        const std::size_t messages = dialogs.messages.size();
        QVERIFY(QFile::remove(dir1->Path() + "/" + file));
        PickEntry(window, "Combo4", name);
        QCOMPARE(dialogs.messages.size(), messages + 1);
        QVERIFY2(dialogs.messages.back().text.contains(dir1->Path() + "/" + file),
                 qPrintable(dialogs.messages.back().text));
        QCOMPARE(dialogs.messages.back().icon, orvik::MessageIcon::Critical);
        QCOMPARE(WindowSnapshot(window), before);
    };

    // Nothing loaded yet: the list goes back to no selection.
    QVERIFY(dir1->SetPath(game));
    pickVanished(QStringLiteral("Cover drive(slashing shot)"), "a-Cc021.atr");
    QCOMPARE(combo4->currentIndex(), -1);
    QCOMPARE(window.windowTitle(), QString::fromLatin1(MainWindow::NoFileCaption));

    // A stroke of this folder loaded: the list shows it again.
    PickEntry(window, "Combo4", "Forward Defence2");
    pickVanished(QStringLiteral("Pull"), "a-Cc031.atr");
    QCOMPARE(combo4->currentText(), QStringLiteral("Forward Defence2"));

    // A stroke of another folder loaded: the list shows nothing.
    QVERIFY(dir1->SetPath(second));
    pickVanished(QStringLiteral("Normal straight-drive"), "a-Cc024.atr");
    QCOMPARE(combo4->currentIndex(), -1);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (const QString path = qEnvironmentVariable(FaultChildVariable); !path.isEmpty())
        return SaveUnderFileSizeLimit(path);
    QTEST_SET_MAIN_SOURCE_PATH
    FaultInjectionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "fault_injection_test.moc"
