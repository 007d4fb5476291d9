// What keeps a stroke file whole: Save refuses a text that would not read
// back as the window shows it, a load shows nothing of the stroke before, and
// no device, pipe or unreadable folder is taken for a stroke file or folder.
#include <sys/resource.h>
#include <sys/stat.h>

#include <QtTest>
#include <QtWidgets>

#include "support/window_fixture.h"
#include "ui/dir_list.h"

class DataSafetyTest : public QObject {
    Q_OBJECT
private slots:
    // What a user types into a box, the line of the refusal that names the
    // box and why it would not read back, and a timing shown instead before
    // the save. A comma in a text box, text that is no number and a frame
    // number out of range: main_window_test, with every reason in one refusal.
    void aSaveThatWouldNotReadBackIsRefusedAndNamesTheBox_data() {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("thenShow");
        QTest::newRow("pasted line break") << QByteArray(Text2Of::EdgeProb6) << "0.5\r\n0.6"
                                           << "6-Hit Edge Prb.: a line break ends a line in a stroke file"
                                           << "";
        QTest::newRow("euro sign") << QByteArray(Text2Of::EdgeProb) << QString::fromUtf8("0.5\u20ac")
                                   << QString::fromUtf8("Nrml. Edge Prb.: '\u20ac' has no single-byte form") << "";
        QTest::newRow("first letter beyond Latin-1")
            << QByteArray(Text2Of::EdgeProb6) << QString::fromUtf8("\u0100")
            << QString::fromUtf8("6-Hit Edge Prb.: '\u0100' has no single-byte form") << "";
        QTest::newRow("largest double on a timing not shown")
            << QByteArray(Text2Of::Power) << "1.7976931348623157e308"
            << "Power (Very Late): the number is too large to be read back"
            << "Late";
        QTest::newRow("comma in a number box")
            << QByteArray(Text2Of::PowerRange) << "1,5"
            << "Power Range (Very Late): \"1,5\" is not a number: use a point as the decimal separator"
            << "";
    }

    void aSaveThatWouldNotReadBackIsRefusedAndNamesTheBox() {
        QFETCH(QByteArray, box);
        QFETCH(QString, text);
        QFETCH(QString, named);
        QFETCH(QString, thenShow);
        Editor editor;
        auto& [folder, dialogs, window] = editor;
        const QString path = editor.Open("a-Cc031.atr");
        const QByteArray original = FileBytes(path);
        SetText(window, box.constData(), text);
        window.Text2_LostFocus(orvik::Box::Power);
        if (!thenShow.isEmpty()) Pick(window, "Combo3", thenShow);
        const QStringList before = Snapshot(window);
        dialogs.messages.clear();

        window.Command3_Click();
        QCOMPARE(FileBytes(path), original);
        QCOMPARE(Snapshot(window), before);
        QCOMPARE(int(dialogs.messages.size()), 1);
        QCOMPARE(dialogs.messages[0].text.section('\n', 1, 1), named);
        QVERIFY2(dialogs.messages[0].text.contains(path), qPrintable(dialogs.messages[0].text));
    }

    // The last character with a single-byte form is saved as that byte.
    void aLatin1LetterIsSavedAsItsByte() {
        Editor editor;
        const QString path = editor.Open("a-Cc031.atr");
        SetText(editor.window, Text2Of::EdgeProb, QString::fromUtf8("0.5\u00ff"));
        editor.window.Text2_LostFocus(orvik::Box::EdgeProb);
        editor.window.Command3_Click();
        QVERIFY2(FileBytes(path).contains("\r\nEdgeProb 0.5\xff EdgeProb6 "), FileBytes(path).constData());
    }

    // The bowler class list for a code it lacks: main_window_test.
    void aLoadShowsStartValuesAndSaveKeepsTheFilesOwnType() {
        Editor editor;
        auto& [folder, dialogs, window] = editor;
        editor.Open("a-Cc031.atr", orvik::CleanStroke("0 1"));
        window.Command3_Click();  // the file as the editor writes it
        // Power that is no number, a type the list lacks.
        QByteArray odd = FileBytes(folder.filePath("a-Cc031.atr"))
                             .replace("Type Defensive", "Type aggressive")
                             .replace(" Power 1.5 Range", " Power abc Range");
        const QString path = folder.filePath("a-Cc030.atr");
        WriteBytes(path, odd);
        dialogs.openAnswers = {path};
        window.Command2_Click();
        QCOMPARE(TextsOf(window, {Text2Of::Power, "Combo1"}), (QStringList{"0", ""}));
        QCOMPARE(TakeMessages(dialogs).last().section(':', 0, 0), QStringLiteral("Misread stroke file"));

        // A save of another change keeps the file's own type; the list's choice once the user picks one.
        SetText(window, Text2Of::Power, "2.5");
        window.Text2_LostFocus(orvik::Box::Power);
        dialogs.answers = {orvik::Answer::Save};
        window.Command3_Click();
        QCOMPARE(FileBytes(path), QByteArray(odd).replace(" Power abc Range", " Power 2.5 Range"));
        Pick(window, "Combo1", "Moderate");
        window.Command3_Click();
        QCOMPARE(FileBytes(path).split('\n').value(2), QByteArray("Type Moderate\r"));
    }

    void devicesPipesAndUnreadableFoldersAreNoStrokeFilesOrFolders() {
        Editor editor;
        auto& [folder, dialogs, window] = editor;
        const QString pipe = folder.filePath("a-Cc019.atr");
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        QVERIFY(QFile::link("/dev/zero", folder.filePath("a-Cc017c.atr")));
        QVERIFY(QFile::link(pipe, folder.filePath("a-Cc020.atr")));
        WriteStroke(folder.filePath("a-Cc018.atr"), orvik::CleanStroke(""));
        QVERIFY(QFile::link(folder.filePath("a-Cc018.atr"), folder.filePath("a-Cc021.atr")));
        QVERIFY(QDir(folder.path()).mkdir("sub"));
        QVERIFY(Find<orvik::DirList>(window, "Dir1")->SetPath(folder.path()));
        QCOMPARE(TextOf(window, Label2Of::FileCount), QStringLiteral("2 Stroke file(s) found in the directory."));
        QCOMPARE(EntriesOf(window, "Combo4"), (QStringList{"Forward Defence2", "Cover drive(slashing shot)"}));
        auto* dir1 = Find<orvik::DirList>(window, "Dir1");
        QCOMPARE(dir1->item(dir1->count() - 1)->text(), QStringLiteral("sub"));  // the only subfolder listed
        QCOMPARE(dir1->findItems("a-Cc0", Qt::MatchStartsWith).size(), 0);

        // Open and Save refuse them at once, and the window stays as it was.
        Pick(window, "Combo4", "Forward Defence2");
        for (const char* name : {"a-Cc017c.atr", "a-Cc019.atr", "a-Cc020.atr"}) {
            const QStringList before = Snapshot(window);
            dialogs.openAnswers = {folder.filePath(name)};
            window.Command2_Click();
            CheckOneError(dialogs, folder.filePath(name), "a device, a pipe or a socket");
            QCOMPARE(Snapshot(window), before);
        }
        const QString loaded = folder.filePath("a-Cc018.atr");
        QVERIFY(QFile::remove(loaded) && QFile::link(pipe, loaded));
        window.Command3_Click();
        CheckOneError(dialogs, loaded, "a device, a pipe or a socket");
        QCOMPARE(QFileInfo(pipe).symLinkTarget(), QString());
        QVERIFY(QFileInfo(loaded).isSymLink());

        // A folder that cannot be opened from the list any more is reported.
        const QList<QListWidgetItem*> sub = dir1->findItems("sub", Qt::MatchExactly);
        QCOMPARE(sub.size(), 1);
        QVERIFY(QDir(folder.path()).rmdir("sub"));
        emit dir1->itemDoubleClicked(sub[0]);
        CheckOneError(dialogs, folder.filePath("sub"), "does not exist");
        QCOMPARE(dir1->Path(), QDir::cleanPath(folder.path()));
    }

    // Reading a one-megabyte line into seven fields, then forming the text of
    // a stroke of seven one-megabyte fields, each under a limit of the address
    // space that leaves no room for it: reported, the window and the file as
    // they were. The limit stays with the process, so this runs in a child.
    void aLoadOrASaveThatRunsOutOfMemoryIsReported() {
        if (AddressSanitized) QSKIP("AddressSanitizer reserves more address space than any limit leaves");
        if (RanInChild(QStringLiteral("aLoadOrASaveThatRunsOutOfMemoryIsReported"))) return;
        Editor editor;
        auto& [folder, dialogs, window] = editor;
        const QString line = folder.filePath("a-Cc024.atr");
        WriteBytes(line, QByteArray(orvik::MaxStrokeFileSize, 'x'));
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_AS, &limit) == 0);
        const rlimit unlimited = limit;
        const auto withLittleMemory = [&](const std::function<void()>& act) {
            limit.rlim_cur = CurrentAddressSpace() + (2 << 20);
            QVERIFY(setrlimit(RLIMIT_AS, &limit) == 0);
            act();
            QVERIFY(setrlimit(RLIMIT_AS, &unlimited) == 0);
        };

        editor.Open("a-Cc031.atr");
        const QStringList loaded = Snapshot(window);
        dialogs.openAnswers = {line};
        withLittleMemory([&] { window.Command2_Click(); });
        CheckOneError(dialogs, line, "not enough memory");
        QCOMPARE(Snapshot(window), loaded);

        dialogs.openAnswers = {line};
        window.Command2_Click();
        QCOMPARE(TakeMessages(dialogs).value(0).section(':', 0, 0), QStringLiteral("Misread stroke file"));
        withLittleMemory([&] { window.Command3_Click(); });
        CheckOneError(dialogs, line, "not enough memory");
        QCOMPARE(FileBytes(line), QByteArray(orvik::MaxStrokeFileSize, 'x'));
    }

private:
    // The size of the address space in use, from /proc/self/statm (pages).
    static rlim_t CurrentAddressSpace() {
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly)) return RLIM_INFINITY;
        return rlim_t(statm.readAll().split(' ').value(0).toULongLong()) * rlim_t(sysconf(_SC_PAGESIZE));
    }
};

QTEST_MAIN(DataSafetyTest)
#include "data_safety_test.moc"
