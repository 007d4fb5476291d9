// Opening any stroke file (Ctrl+O, a file dropped on the window), the start in
// the last run's folder.
#include <QMimeData>
#include <QSettings>
#include <QtTest>

#include "support/window_fixture.h"
#include "ui/last_run.h"

namespace {

// Drags `paths` from a file manager onto `target` with Shift held, which
// proposes a move, and drops them there; returns whether the drag was taken
// as a copy.
bool Drop(QWidget* target, const QStringList& paths) {
    QMimeData data;
    for (const QString& path : paths) data.setUrls(data.urls() << QUrl::fromLocalFile(path));
    data.setText(paths.join('\n'));  // file managers offer the paths as text too
    const auto at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &enter), QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return enter.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

}  // namespace

class ModderTest : public QObject {
    Q_OBJECT
    std::optional<Editor> w_;  // a fresh one for each test
private slots:
    void init() { w_.emplace(); }
    void cleanup() { w_.reset(); }

    // Ctrl+O opens with the dialog a file the catalogue does not know; a
    // dropped one opens the same way, on a text box too, after the question
    // about unsaved edits.
    void ctrlOAndADropOpenAnyStrokeFile() {
        auto& [folder, dialogs, window] = *w_;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString mine = WriteStroke(folder.filePath("mine.atr"), orvik::CleanStroke(""));
        dialogs.openAnswers = {mine};
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Caption(window), "Orvik Stroke Editor (" + mine + ")");

        SetText(window, Text2Of::Frame, "7");
        window.Text2_LostFocus(orvik::Box::Frame);
        const QString other = WriteStroke(folder.filePath("other.ATR"), orvik::CleanStroke("1"));
        QVERIFY(Drop(Find(window, Text2Of::Power), {other}));  // cancelled
        QCOMPARE(dialogs.questions, QStringList{"Orvik Stroke Editor: Save changes to " + mine + "?"});
        QCOMPARE(Caption(window), "Orvik Stroke Editor (" + mine + ")*");
        dialogs.answers = {orvik::Answer::Discard};
        QVERIFY(Drop(&window, {other}));
        QCOMPARE(Caption(window), "Orvik Stroke Editor (" + other + ")");
        QCOMPARE(TakeMessages(dialogs), QStringList());
        SaveScreenshot(window, "modder-dropped");
    }

    void aDropOfAFolderOrAnotherFileOpensNothingAndSaysWhy() {
        auto& [folder, dialogs, window] = *w_;
        const QString notes = WriteStroke(folder.filePath("notes.txt"), orvik::CleanStroke(""));
        const QString mine = WriteStroke(folder.filePath("mine.atr"), orvik::CleanStroke(""));
        const QStringList start = Snapshot(window);
        for (const auto& [paths, why] : {std::pair{QStringList{folder.path()}, "is a folder, not a stroke file"},
                                         {QStringList{notes}, "only files ending in .atr"},
                                         {QStringList{"/dev/null"}, "is not a file on this computer"},
                                         {QStringList{mine, mine}, "2 files were dropped"}}) {
            QVERIFY(Drop(&window, paths));
            const QStringList messages = TakeMessages(dialogs);
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].startsWith("Open: ") && messages[0].contains(why), qPrintable(messages[0]));
            QCOMPARE(Snapshot(window), start);
        }
    }

    // The folder and the stroke of the last run, and its all timings; a
    // command-line path wins; a folder removed since leaves today's start.
    void aSecondStartListsTheFirstStartsFolder() {
        QSettings settings(w_->folder.filePath("editor.ini"), QSettings::IniFormat);
        const QString game = w_->folder.filePath("game");
        QVERIFY(QDir().mkpath(game));
        const QString stroke = WriteStroke(game + "/a-Cc021.atr", orvik::CleanStroke("1"));
        WriteStroke(game + "/mine.atr", orvik::CleanStroke(""));
        w_->window.StartAfterLastRun(orvik::ReadLastRun(settings), std::nullopt);  // nothing remembered
        QCOMPARE(EntriesOf(w_->window, "Combo4"), QStringList());
        w_->window.StartIn(stroke);
        Find<QAction>(w_->window, "ShowAllTimings")->trigger();
        orvik::WriteLastRun(settings, w_->window.RunToRemember());

        Editor second;
        second.window.StartAfterLastRun(orvik::ReadLastRun(settings), std::nullopt);
        QCOMPARE(TextOf(second.window, Label2Of::FileCount),
                 QStringLiteral("2 Stroke file(s) found in the directory."));
        QCOMPARE(Find(second.window, Label2Of::FileCount)->toolTip(),
                 QStringLiteral("1 of them is not among the game's strokes: mine.atr; open it with Ctrl+O."));
        QCOMPARE(EntriesOf(second.window, "Combo4"), QStringList{"Cover drive(slashing shot)"});
        QCOMPARE(Caption(second.window), "Orvik Stroke Editor (" + stroke + ")");
        QVERIFY(second.window.ShowsAllTimings());
        QCOMPARE(TakeMessages(second.dialogs), QStringList());

        Editor given;
        given.window.StartAfterLastRun(orvik::ReadLastRun(settings), w_->folder.path());
        QCOMPARE(TextOf(given.window, Label2Of::FileCount), QStringLiteral("0 Stroke file(s) found in the directory."));

        QVERIFY(QDir(game).removeRecursively());
        Editor fresh, gone;
        gone.window.StartAfterLastRun(orvik::ReadLastRun(settings), std::nullopt);
        QCOMPARE(Snapshot(gone.window), Snapshot(fresh.window));
        QCOMPARE(TakeMessages(gone.dialogs), QStringList());
        orvik::WriteLastRun(settings, gone.window.RunToRemember());  // kept for a later start
        QCOMPARE(orvik::ReadLastRun(settings).Folder, game);
    }
};

QTEST_MAIN(ModderTest)
#include "modder_test.moc"
