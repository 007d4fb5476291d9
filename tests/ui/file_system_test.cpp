// The editor and the file system: paths resolved as the system resolves them
// (a link followed by ".."), a stroke shared by a group keeping its owner,
// group and mode through a save, names that are not UTF-8, and the built
// program started without a display, which reads its command line first.
#include <QProcess>
#include <QtTest>
#include <QtWidgets>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>

#include "document/file_access.h"
#include "support/window_fixture.h"
#include "ui/command_line.h"
#include "ui/dir_list.h"

namespace {

// What realpath(3) names.
QString RealPath(const QString& path) {
    char* resolved = ::realpath(QFile::encodeName(path).constData(), nullptr);
    const QString result = resolved ? QFile::decodeName(resolved) : QString();
    std::free(resolved);
    return result;
}

QString Caption(const QString& path) { return QStringLiteral("Orvik Stroke Editor (%1)").arg(path); }

struct Ownership {
    uid_t owner;
    gid_t group;
    mode_t mode;
    bool operator==(const Ownership&) const = default;
};

Ownership OwnershipOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {uid_t(-1), gid_t(-1), 0};
    return {info.st_uid, info.st_gid, info.st_mode & 07777};
}

char* toString(const Ownership& o) {
    return QTest::toString(QStringLiteral("%1:%2 %3").arg(o.owner).arg(o.group).arg(o.mode, 4, 8, QLatin1Char('0')));
}

// A user id and a group id that name nobody on this machine, for the users
// the group test plays.
uid_t FreeUserId(uid_t from) {
    while (::getpwuid(from) != nullptr) ++from;
    return from;
}
gid_t FreeGroupId(gid_t from) {
    while (::getgrgid(from) != nullptr) ++from;
    return from;
}

// Saves `bytes` to `path` as the user `user` in the groups `groups` (the
// first their own), in a child process; its exit status is 0 when the save
// succeeded.
int SaveAs(uid_t user, const std::vector<gid_t>& groups, const QString& path, const QByteArray& bytes) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(groups[0]) != 0 || ::setuid(user) != 0)
            ::_exit(3);
        ::_exit(orvik::WriteWholeFile(path, bytes).Ok() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Run {
    int exitCode = -1;
    bool crashed = true;
    QString out, err;
};

// The built editor with `arguments` in `folder`, in `environment`.
Run RunEditor(const QStringList& arguments, const QProcessEnvironment& environment, const QString& folder) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(ORVIK_EDITOR), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), process.exitStatus() != QProcess::NormalExit,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The environment of a session without any display.
QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "XDG_RUNTIME_DIR"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

}  // namespace

class FileSystemTest : public QObject {
    Q_OBJECT
    std::optional<Editor> editor_;
    QString game_;    // real/sub, LINK -> real/sub, and a-Cc031.atr both in real/ and beside LINK
    QString stroke_;  // real/a-Cc031.atr
    QString decoy_;   // a-Cc031.atr beside LINK, which cleaning "LINK/../a-Cc031.atr" as text would name
private slots:
    void init() {
        editor_.emplace();
        game_ = RealPath(editor_->folder.path()) + "/game";
        QVERIFY(QDir().mkpath(game_ + "/real/sub"));
        QVERIFY(QFile::link(game_ + "/real/sub", game_ + "/LINK"));
        stroke_ = WriteStroke(game_ + "/real/a-Cc031.atr", orvik::CleanStroke(""), "Aggressive", 1);
        decoy_ = WriteStroke(game_ + "/a-Cc031.atr", orvik::CleanStroke(""), "Defensive", 6);
    }
    void cleanup() { editor_.reset(); }

    // Typed, passed to Open or opened in the folder list: the stroke loaded,
    // named in the caption and saved is the one realpath names.
    void aLinkFollowedByDotDotNamesTheFileTheSystemOpens() {
        auto& [folder, dialogs, window] = *editor_;
        const QString through = game_ + "/LINK/../a-Cc031.atr";
        QCOMPARE(RealPath(through), stroke_);
        const QByteArray decoy = FileBytes(decoy_);

        window.StartIn(through);
        QCOMPARE(Caption(window), Caption(stroke_));
        QCOMPARE(Find<orvik::DirList>(window, "Dir1")->Path(), game_ + "/real");
        QCOMPARE(TextsOf(window, {"Combo1", Label2Of::StrokeName}), (QStringList{"Aggressive", "Pull"}));
        SetText(window, Text2Of::Power, "77");
        window.Text2_LostFocus(orvik::Box::Power);
        window.Command3_Click();
        QVERIFY2(FileBytes(stroke_).contains(" Power 77 Range"), FileBytes(stroke_).constData());
        QCOMPARE(FileBytes(decoy_), decoy);

        // Open, with a relative path from the working folder.
        const QString home = QDir::currentPath();
        QVERIFY(QDir::setCurrent(game_));
        dialogs.openAnswers = {"LINK/../a-Cc031.atr"};
        window.Command2_Click();
        QVERIFY(QDir::setCurrent(home));
        QCOMPARE(Caption(window), Caption(stroke_));
        QCOMPARE(TextOf(window, Text2Of::Power), QStringLiteral("77"));

        // The folder list: LINK/.. is real/, and its stroke is the one picked.
        window.StartIn(game_);
        auto* dir1 = Find<orvik::DirList>(window, "Dir1");
        QVERIFY(dir1->SetPath(game_ + "/LINK/.."));
        QCOMPARE(dir1->Path(), game_ + "/real");
        Pick(window, "Combo4", "Pull");
        QCOMPARE(Caption(window), Caption(stroke_));
        QCOMPARE(TakeMessages(dialogs), QStringList{"Saved!: Stroke Saved Successfully to " + stroke_ + " (Pull)."});
    }

    // A link as the file's own name keeps that name (the stroke is named by
    // it); a save replaces what it leads to and leaves the link in place.
    void aSaveThroughALinkReplacesWhatItLeadsTo() {
        auto& [folder, dialogs, window] = *editor_;
        const QString link = game_ + "/a-Cc024.atr";
        QVERIFY(QFile::link("real/a-Cc031.atr", link));
        window.StartIn(link);
        QCOMPARE(Caption(window), Caption(link));
        SetText(window, Text2Of::Power, "66");
        window.Text2_LostFocus(orvik::Box::Power);
        window.Command3_Click();
        QCOMPARE(QFileInfo(link).symLinkTarget(), stroke_);
        QVERIFY2(FileBytes(stroke_).contains(" Power 66 Range"), FileBytes(stroke_).constData());
    }

    // Two users of one group share a stroke: whoever saves it, its group and
    // mode stay, its owner where the saving user may keep it (root), and the
    // other can still save it. Needs root, to play the two users.
    void aStrokeSharedByAGroupStaysTheGroups() {
        if (::geteuid() != 0) QSKIP("needs root to play two users of one group; run the test as root to include it");
        const gid_t shared = FreeGroupId(61000);
        const uid_t first = FreeUserId(61000), second = FreeUserId(first + 1);
        const gid_t firstOwn = FreeGroupId(shared + 1), secondOwn = FreeGroupId(firstOwn + 1);
        QVERIFY(::chmod(QFile::encodeName(editor_->folder.path()).constData(), 0755) == 0);
        const QString shareFolder = game_ + "/shared";
        QVERIFY(QDir().mkdir(shareFolder));
        QVERIFY(::chown(QFile::encodeName(shareFolder).constData(), first, shared) == 0);
        QVERIFY(::chmod(QFile::encodeName(shareFolder).constData(), 0775) == 0);
        const QString path = WriteStroke(shareFolder + "/a-Cc031.atr", orvik::CleanStroke(""));
        QVERIFY(::chown(QFile::encodeName(path).constData(), first, shared) == 0);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0664) == 0);
        const Ownership before = OwnershipOf(path);

        // The second user cannot give the file to the first: it becomes theirs,
        // still the group's and writable by it, set-group-id but no longer
        // set-user-id.
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 06664) == 0);
        QCOMPARE(SaveAs(second, {secondOwn, shared}, path, "by the second\r\n"), 0);
        QCOMPARE(FileBytes(path), QByteArray("by the second\r\n"));
        QCOMPARE(OwnershipOf(path), (Ownership{second, shared, 02664}));
        QCOMPARE(SaveAs(first, {firstOwn, shared}, path, "by the first\r\n"), 0);
        QCOMPARE(OwnershipOf(path), (Ownership{first, shared, 02664}));

        // A user outside the group saving a file open to all takes no group
        // rights with it to a group of their own.
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0666) == 0);
        QVERIFY(::chmod(QFile::encodeName(shareFolder).constData(), 0777) == 0);
        const uid_t stranger = FreeUserId(second + 1);
        QCOMPARE(SaveAs(stranger, {FreeGroupId(secondOwn + 1)}, path, "by a stranger\r\n"), 0);
        QCOMPARE(OwnershipOf(path).mode, mode_t(0606));

        // Root, saving in the window, keeps owner, group and mode exactly.
        QVERIFY(::chown(QFile::encodeName(path).constData(), first, shared) == 0);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0664) == 0);
        WriteStroke(path, orvik::CleanStroke(""));
        auto& [folder, dialogs, window] = *editor_;
        window.StartIn(path);
        window.Command3_Click();
        QCOMPARE(TakeMessages(dialogs).value(0).section(':', 0, 0), QStringLiteral("Saved!"));
        QCOMPARE(OwnershipOf(path), before);
    }

    // The owner's save keeps the set-user-id, set-group-id and sticky bits
    // with the rest of the mode, root or not.
    void aSaveByTheOwnerKeepsTheWholeMode() {
        QVERIFY(::chmod(QFile::encodeName(stroke_).constData(), 07754) == 0);
        QVERIFY(orvik::WriteWholeFile(stroke_, "new\r\n").Ok());
        QCOMPARE(QString::number(OwnershipOf(stroke_).mode, 8), QStringLiteral("7754"));
    }

    // A name whose bytes are not UTF-8 cannot be passed back to the system
    // through Qt: it is refused as such, not as a missing file.
    void aNameThatIsNotUtf8IsRefusedAsSuch() {
        auto& [folder, dialogs, window] = *editor_;
        const QByteArray raw = QFile::encodeName(game_) + "/bad\xff.atr";
        const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        QByteArray argument = raw;
        char* argv[] = {const_cast<char*>("orvik-stroke-editor"), argument.data()};
        const orvik::CommandLine line = orvik::ParseCommandLine(orvik::ArgumentsOf(2, argv));
        QVERIFY(line.path.has_value());
        const QStringList start = Snapshot(window);
        window.StartIn(*line.path);
        QCOMPARE(Snapshot(window), start);
        const QStringList messages = TakeMessages(dialogs);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("not UTF-8") && !messages[0].contains("No such file"), qPrintable(messages[0]));
        ::unlink(raw.constData());  // QTemporaryDir cannot name it either
    }

    // Without a display, with a display that is named but not there, a
    // platform the toolkit does not know, and Wayland without a compositor:
    // one line that names the cause and how to give a display, exit status 1,
    // no abort and no core file.
    void withoutADisplayTheEditorSaysSoAndEnds() {
        const QString folder = editor_->folder.path();
        int number = 97;
        while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) ++number;
        const QString absent = QStringLiteral(":%1").arg(number);
        for (const auto& [name, value, told] :
             {std::tuple{"", QString(), QStringLiteral("DISPLAY")},
              {"DISPLAY", absent, "\"" + absent + "\""},
              {"QT_QPA_PLATFORM", QStringLiteral("bogus"), QStringLiteral("the platform \"bogus\" is unknown")},
              {"QT_QPA_PLATFORM", QStringLiteral("wayland"), QStringLiteral("there is no Wayland compositor")}}) {
            QProcessEnvironment environment = WithoutDisplay();
            if (*name) environment.insert(name, value);
            const Run failed = RunEditor({game_}, environment, folder);
            QVERIFY(!failed.crashed);
            QCOMPARE(failed.exitCode, 1);
            QCOMPARE(failed.out, QString());
            QCOMPARE(failed.err.count('\n'), 1);
            QVERIFY2(failed.err.startsWith("orvik-stroke-editor: ") && failed.err.contains(told) &&
                         failed.err.contains("-platform"),
                     qPrintable(failed.err));
        }
        QCOMPARE(QDir(folder).entryList({"core*"}, QDir::Files), QStringList());
    }

    // The command line is read before a display is looked for: the version,
    // the usage, and each wrong command line named on the first line with the
    // usage after.
    void theCommandLineIsReadWithoutADisplay() {
        const QString folder = editor_->folder.path();
        const Run version = RunEditor({"--version"}, WithoutDisplay(), folder);
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out + version.err, QStringLiteral("Orvik Stroke Editor " ORVIK_VERSION "\n"));
        const Run help = RunEditor({"-h"}, WithoutDisplay(), folder);
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.err, QString());
        QVERIFY2(help.out.startsWith("Usage: orvik-stroke-editor [options] [path]\n") && help.out.contains("--version"),
                 qPrintable(help.out));
        for (const auto& [wrong, told] : {std::pair{QStringList{"--bogus"}, "Unknown option 'bogus'."},
                                          {QStringList{"a.atr", "b.atr"}, "Only one path can be given; 2 were."},
                                          {QStringList{"-style"}, "Missing value after '-style'."}}) {
            const Run run = RunEditor(wrong, WithoutDisplay(), folder);
            QCOMPARE(run.exitCode, 2);
            QCOMPARE(run.out, QString());
            QCOMPARE(run.err.section('\n', 0, 0), QStringLiteral("orvik-stroke-editor: ") + told);
            QVERIFY2(run.err.contains("\nUsage: orvik-stroke-editor"), qPrintable(run.err));
        }
    }
};

QTEST_MAIN(FileSystemTest)
#include "file_system_test.moc"
