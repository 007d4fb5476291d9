// The user's edits are never lost and never change what was not touched:
// the unsaved-edits mark, undo and redo as the window shows them, the
// question before edits are dropped, and Save's questions about the file on
// disk. The document's saved state and history: tests/document.
#include <QtTest>
#include <QtWidgets>

#include "support/window_fixture.h"
#include "ui/dir_list.h"

namespace {

// Puts the pointer itself at (x, y) twips of the window.
void PointAt(QWidget& window, int xTwips, int yTwips) {
    QCursor::setPos(window.mapToGlobal(QPoint(xTwips / 15, yTwips / 15)));
    QCoreApplication::processEvents();
}

// A mouse edit: a click at `from` arms the view, a tick at `to` sets its value,
// a click there disarms it unless the edit is left `underWay`.
void MouseEdit(orvik::MainWindow& window, QPoint from, QPoint to, bool underWay = false) {
    PointAt(window, from.x(), from.y());
    QTest::mouseClick(&window, Qt::LeftButton, {}, from / 15);
    PointAt(window, to.x(), to.y());
    window.Timer1_Timer();
    if (!underWay) QTest::mouseClick(&window, Qt::LeftButton, {}, to / 15);
}

// The user types `text` in place of what the box holds and stays in it; a
// Height or Direction display opens its box for typing with a double click.
QLineEdit* TypeInto(QWidget& window, const char* name, const QString& text) {
    QLineEdit* box = nullptr;
    if (QByteArray(name).startsWith("Label3")) {
        QTest::mouseDClick(Find(window, name), Qt::LeftButton);
        box = Find<QLineEdit>(window, QByteArray(name) == Label3Of::Height ? "HeightBox" : "DirectionBox");
    } else {
        box = Find<QLineEdit>(window, name);
        box->setFocus();
        box->selectAll();
    }
    QTest::keyClicks(box, text);
    return box;
}

// Then leaves it for the next box, which commits it.
void TypeAndLeave(QWidget& window, const char* name, const QString& text) {
    QTest::keyClick(TypeInto(window, name, text), Qt::Key_Tab);
}

void PressWithCtrl(QWidget& window, Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, key, Qt::ControlModifier);
}
void PressUndo(QWidget& window) { PressWithCtrl(window, Qt::Key_Z); }
void PressRedo(QWidget& window) { PressWithCtrl(window, Qt::Key_Y); }

}  // namespace

// The ways a user drops the stroke shown, each with what shows it was done.
struct DroppingAction {
    const char* name;
    std::function<void(Editor&)> run;
    std::function<bool(Editor&)> done;
    orvik::Answer defaultAnswer = orvik::Answer::Save;  // Reset's user asked to drop the edits
};

const QString OtherStroke = QStringLiteral("Forward Defence2");  // a-Cc018.atr

bool ShowsTheOtherStroke(Editor& editor) { return editor.window.FileDialog().FileName().endsWith("a-Cc018.atr"); }
bool ShowsTheFileAgain(Editor& e) { return !e.window.isWindowModified() && e.window.Document().Steps() == 0; }

void WheelOver(QWidget* widget, int notches) {
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent wheel(centre, widget->mapToGlobal(centre), {}, QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

const DroppingAction DroppingActions[] = {
    {"a click in the stroke list", [](Editor& e) { Pick(e.window, "Combo4", OtherStroke); }, ShowsTheOtherStroke},
    {"a wheel notch over the closed stroke list", [](Editor& e) { WheelOver(Find(e.window, "Combo4"), 1); },
     ShowsTheOtherStroke},
    {"a name's first letter typed in the stroke list",
     [](Editor& e) {
         Find(e.window, "Combo4")->setFocus();
         QTest::keyClick(Find(e.window, "Combo4"), Qt::Key_F);
     },
     ShowsTheOtherStroke},
    {"Open",
     [](Editor& e) {
         e.dialogs.openAnswers = {e.folder.filePath("game/a-Cc018.atr")};
         e.window.Command2_Click();
     },
     ShowsTheOtherStroke},
    {"the loaded stroke picked again", [](Editor& e) { Pick(e.window, "Combo4", "Pull"); }, ShowsTheFileAgain},
    {"Reset", [](Editor& e) { e.window.Command6_Click(); }, ShowsTheFileAgain, orvik::Answer::Discard},
    {"Exit", [](Editor& e) { Find<QPushButton>(e.window, "Command4")->click(); },
     [](Editor& e) { return !e.window.isVisible(); }},
    {"the close box", [](Editor& e) { e.window.windowHandle()->close(); },
     [](Editor& e) { return !e.window.isVisible(); }},
};

class UnsavedEditsTest : public QObject {
    Q_OBJECT
    std::optional<Editor> editor_;

    // "Pull" (a-Cc031.atr) picked in a folder that also holds Forward Defence2.
    QString PickPull() {
        auto& [folder, dialogs, window] = *editor_;
        const QString game = folder.filePath("game");
        QDir().mkpath(game);
        WriteStroke(game + "/a-Cc018.atr", orvik::CleanStroke("1"));
        WriteStroke(game + "/a-Cc031.atr", orvik::CleanStroke("0 4"));
        static_cast<void>(Find<orvik::DirList>(window, "Dir1")->SetPath(game));
        Pick(window, "Combo4", "Pull");
        return QDir::toNativeSeparators(game + "/a-Cc031.atr");
    }

private slots:
    void init() {
        editor_.emplace();
        editor_->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor_->window));
        Find<QTimer>(editor_->window, "Timer1")->stop();  // the ticks are the test's own
    }
    void cleanup() { editor_.reset(); }

    // Each kind of edit shows the mark, a mouse edit from its first tick and
    // typing before it is committed; a committed edit is one step.
    void everyKindOfEditShowsTheMark() {
        auto& [folder, dialogs, window] = *editor_;
        const QString caption = "Orvik Stroke Editor (" + editor_->Open("a-Cc031.atr", orvik::CleanStroke("2")) + ")";
        const std::function<void()> edits[] = {
            [&] { TypeAndLeave(window, Text2Of::Power, "42"); },
            [&] { Pick(window, "Combo1", "Aggressive"); },
            [&] { Pick(window, "Combo2", "Fast Bowler"); },
            [&] { MouseEdit(window, {2280, 3000}, {1275, 3195}); },
            [&] { MouseEdit(window, {2010, 900}, {2010, 720}); },
            [&] { MouseEdit(window, {2280, 3000}, {1275, 3195}, true); },
            [&] { TypeInto(window, Text2Of::Frame, "3"); },
            [&] { TypeInto(window, Text2Of::EdgeProb, "5"); },
            [&] { TypeInto(window, Label3Of::Height, "3"); },
            [&] { TypeInto(window, Label3Of::Direction, "3"); },
        };
        for (int kind = 0; kind < int(std::size(edits)); ++kind) {
            QVERIFY2(Caption(window) == caption, qPrintable(QString::number(kind)));
            edits[kind]();
            QVERIFY2(Caption(window) == caption + "*", qPrintable(QString::number(kind)));
            QCOMPARE(window.Document().Steps(), kind < 5 ? 1 : 0);
            dialogs.answers = {orvik::Answer::Discard};
            window.Command6_Click();
        }
    }

    // Undo and redo step by step over several timings: each shows the timing
    // its step changed, with that key frame's boxes and preview.
    void undoAndRedoShowTheTimingTheyChangeAndEndAMouseEdit() {
        auto& [folder, dialogs, window] = *editor_;
        editor_->Open("a-Cc031.atr", orvik::CleanStroke("0 3"));
        Pick(window, "Combo3", "Late");
        TypeAndLeave(window, Text2Of::Power, "41");
        Pick(window, "Combo3", "Early (6Hit)");
        TypeAndLeave(window, Text2Of::Frame, "-7");
        Pick(window, "Combo1", "Moderate");
        Pick(window, "Combo3", "Very Late");
        MouseEdit(window, {2010, 900}, {2010, 720});
        QCOMPARE(window.Document().Steps(), 4);
        for (const char* timing : {"Very Late", "Very Late", "Early (6Hit)", "Late"}) {
            PressUndo(window);
            QCOMPARE(TextOf(window, "Combo3"), QString(timing));
        }
        QCOMPARE(TextsOf(window, {Text2Of::Power, "Combo1"}), (QStringList{"2.5", "Defensive"}));
        QVERIFY(!window.isWindowModified());
        for (int step = 0; step < 4; ++step) PressRedo(window);
        QCOMPARE(TextsOf(window, {"Combo3", Label3Of::Height}), (QStringList{"Very Late", "58095238"}));
        QCOMPARE(window.PreviewState().Lines.Line4.X2, 2280.0f);  // Very Late points straight up

        // Ctrl+Z during a mouse edit ends the edit and undoes it whole.
        dialogs.answers = {orvik::Answer::Discard};
        window.Command6_Click();
        MouseEdit(window, {2280, 3000}, {1275, 3195}, true);
        QCOMPARE(window.Stroke().KeyFrames[0].Direction, 33750000.0);
        PressUndo(window);
        QCOMPARE(window.Mouse().DirectionEditOn, 0);
        QCOMPARE(window.Stroke().KeyFrames[0].Direction, 0.0);
        QVERIFY(!window.isWindowModified());
        PressRedo(window);
        QCOMPARE(window.Stroke().KeyFrames[0].Direction, 33750000.0);
    }

    // In a box being typed in, Ctrl+Z undoes the typing first, then the
    // window's steps; once the box is committed, its typing is one step. A
    // redo never drops typing.
    void ctrlZInABoxUndoesItsTypingFirstAndARedoNeverDropsIt() {
        auto& [folder, dialogs, window] = *editor_;
        editor_->Open("a-Cc031.atr");
        TypeAndLeave(window, Text2Of::Frame, "77");
        auto* power = Find<QLineEdit>(window, Text2Of::Power);
        power->setFocus();
        QTest::keyClick(power, Qt::Key_End);
        QTest::keyClicks(power, "9");
        QCOMPARE(power->text(), QStringLiteral("1.59"));
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(power->text(), QStringLiteral("1.5"));
        QCOMPARE(TextOf(window, Text2Of::Frame), QStringLiteral("77"));
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // the typing again
        QCOMPARE(power->text(), QStringLiteral("1.59"));
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier);  // no typing left: the frame's step
        QCOMPARE(TextOf(window, Text2Of::Frame), QStringLiteral("10"));
        QCOMPARE(window.Stroke().KeyFrames[0].Frame, 10);
        QVERIFY(!window.isWindowModified());

        QTest::keyClicks(power, "8");
        QTest::keyClick(power, Qt::Key_Tab);
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.58);
        power->setFocus();
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier);  // the committed typing is a step
        QCOMPARE(power->text(), QStringLiteral("1.5"));
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.5);

        // Typing in a box with none of its own to redo is never thrown away by a
        // redo: the redo waits, and the window's redo history stays as it was.
        // A redo records no step where no mouse edit was under way.
        TypeAndLeave(window, Text2Of::Power, "77");
        PressUndo(window);
        QCOMPARE(window.Document().CanRedo(), true);
        const int steps = window.Document().Steps();
        TypeInto(window, Text2Of::Power, "99");
        QTest::keyClick(power, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(power->text(), QStringLiteral("99"));
        QCOMPARE(window.Document().Steps(), steps);

        // In an edge probability box as well: no step named "Mouse edit".
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier);  // the box's own typing undone
        QCOMPARE(power->text(), QStringLiteral("1.5"));
        QLineEdit* edge = TypeInto(window, Text2Of::EdgeProb, "0.9");
        QTest::keyClick(edge, Qt::Key_Y, Qt::ControlModifier);
        window.RedoShortcut_Activated();  // however it is started
        QCOMPARE(edge->text(), QStringLiteral("0.9"));
        QCOMPARE(window.Document().Steps(), steps);
        QCOMPARE(window.Document().CanRedo(), true);

        // Once the typing is undone, the window's step is there to redo.
        while (edge->isUndoAvailable()) QTest::keyClick(edge, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edge->text(), QStringLiteral("0.1"));
        Find(window, Text2Of::Frame)->setFocus();
        PressRedo(window);
        QCOMPARE(power->text(), QStringLiteral("77"));
    }

    void everyDroppingActionAsksFirst_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<orvik::Answer>("answer");
        const std::pair<const char*, orvik::Answer> answers[] = {
            {"Save", orvik::Answer::Save}, {"Discard", orvik::Answer::Discard}, {"Cancel", orvik::Answer::Cancel}};
        for (int action = 0; action < int(std::size(DroppingActions)); ++action)
            for (const auto& [name, answer] : answers)
                QTest::addRow("%s, %s", DroppingActions[action].name, name) << action << answer;
    }

    // With unsaved edits every action that drops them asks "Save changes to
    // <file>?": Save writes them and goes on, Discard goes on, Cancel leaves
    // the window as it was, the stroke list's selection included.
    void everyDroppingActionAsksFirst() {
        QFETCH(int, action);
        QFETCH(orvik::Answer, answer);
        auto& [folder, dialogs, window] = *editor_;
        const DroppingAction& dropping = DroppingActions[action];
        const QString pull = PickPull();
        const QByteArray loaded = FileBytes(pull);
        TypeAndLeave(window, Text2Of::Power, "42");
        const QStringList edited = Snapshot(window);
        dialogs.answers = {answer};
        dropping.run(*editor_);
        QCOMPARE(dialogs.questions, QStringList{"Orvik Stroke Editor: Save changes to " + pull + "?"});
        QCOMPARE(dialogs.defaults, QList{dropping.defaultAnswer});
        QCOMPARE(dropping.done(*editor_), answer != orvik::Answer::Cancel);
        if (answer == orvik::Answer::Cancel)
            QCOMPARE(Snapshot(window).join('\n').split('\n'), edited.join('\n').split('\n'));
        const QByteArray saved = FileBytes(pull);
        QCOMPARE(saved == loaded, answer != orvik::Answer::Save);
        QCOMPARE(saved.contains(" Power 42 Range 0.25\r\n"), answer == orvik::Answer::Save);
        // The confirmation names the stroke saved, whichever the list shows by then.
        QCOMPARE(TakeMessages(dialogs), QStringList(answer == orvik::Answer::Save ? 1 : 0,
                                                    "Saved!: Stroke Saved Successfully to " + pull + " (Pull)."));
    }

    // Without unsaved edits nothing asks; a Save that is refused cancels the
    // action. A folder change keeps the edits and asks nothing.
    void noQuestionWithoutEditsAndARefusedSaveCancels() {
        auto& [folder, dialogs, window] = *editor_;
        for (const DroppingAction& dropping : DroppingActions) {
            if (!window.isVisible()) window.show();
            PickPull();
            dropping.run(*editor_);
            QVERIFY2(dropping.done(*editor_), dropping.name);
            QCOMPARE(dialogs.questions, QStringList{});
        }

        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString pull = PickPull();
        const QByteArray loaded = FileBytes(pull);
        TypeAndLeave(window, Text2Of::Power, "42");
        TypeAndLeave(window, Text2Of::EdgeProb, "0,5");  // a comma would split the field
        QVERIFY(Find<orvik::DirList>(window, "Dir1")->SetPath(folder.path()));
        QCOMPARE(dialogs.questions, QStringList{});
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 42.0);
        QCOMPARE(window.FileDialog().FileName(), pull);
        const QStringList edited = Snapshot(window);
        dialogs.answers = {orvik::Answer::Save};
        window.Command6_Click();
        QCOMPARE(dialogs.questions.size(), 1);
        QCOMPARE(TakeMessages(dialogs).size(), 1);  // the refusal
        QCOMPARE(Snapshot(window).join('\n').split('\n'), edited.join('\n').split('\n'));
        QCOMPARE(FileBytes(pull), loaded);
    }

    // A misread file is told on load (the reader's report, line by line) and
    // asked for on its first Save, Cancel the default; the question names the
    // timings whose values change and every line that changes.
    void aMisreadFileIsToldOnLoadAndAskedForOnItsFirstSave() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr");
        window.Command3_Click();  // the file as the editor writes it
        const QByteArray misread = FileBytes(path).replace(" Power 3.5 Range 0.25", " Power 9,5 Range 15");
        WriteBytes(path, misread);
        TakeMessages(dialogs);
        window.Command6_Click();
        const QStringList told = TakeMessages(dialogs);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].startsWith("Misread stroke file: The stroke file " + path), qPrintable(told[0]));
        QVERIFY2(told[0].contains("\nline 31: "), qPrintable(told[0]));
        QVERIFY2(told[0].contains("A comma on line 31 splits that line in two"), qPrintable(told[0]));
        QCOMPARE(window.Stroke().KeyFrames[3].Power, 0.0);  // shown as it was read

        TypeAndLeave(window, Text2Of::Power, "5");
        window.Command3_Click();
        QCOMPARE(dialogs.defaults, QList{orvik::Answer::Cancel});
        const QString asked = dialogs.questions.value(0);
        QVERIFY2(asked.startsWith("Save: The stroke file " + path + " was misread"), qPrintable(asked));
        QVERIFY(asked.contains("\nline 31: "));
        QVERIFY(asked.contains("It changes the values of Very Late, Perfectly on time, Early, Very Early."));
        QVERIFY(asked.contains("- Power 9,5 Range 15\\r\\n\n+ Power 0 Range 0\\r\\n\n"));
        QCOMPARE(asked.count(QRegularExpression("^[-+][^-+]", QRegularExpression::MultilineOption)), 22);
        QCOMPARE(FileBytes(path), misread);
        QCOMPARE(TakeMessages(dialogs), QStringList{});
        QVERIFY(window.isWindowModified());
        dialogs.answers = {orvik::Answer::Save};
        window.Command3_Click();
        QVERIFY(FileBytes(path).contains(" Power 5 Range 0.25\r\n"));

        // A Save that changes a few lines, and no key frame: the question shows
        // those lines itself and names no timing.
        const QByteArray note = FileBytes(path).replace("\r\nnote\r\n", "\r\n\"note\" x\r\n");
        WriteBytes(path, note);
        window.Command6_Click();
        dialogs.questions.clear();
        window.Command3_Click();
        const QString shortChange = dialogs.questions.value(0);
        QVERIFY2(shortChange.contains("\n\nThe lines it changes:\n--- " + path + "\n+++ " + path +
                                      " as a save would write it\n@@ "),
                 qPrintable(shortChange));
        QVERIFY2(shortChange.endsWith("\n-\"note\" x\\r\\n\n+note\\r\\n\n \\r\\n\n \\r\\n\n \\r\\n"),
                 qPrintable(shortChange));
        QCOMPARE(shortChange.contains("It changes the values of"), false);
        QCOMPARE(FileBytes(path), note);
    }

    // The load's warning gives each problem with what its fields keep, ten
    // problems at most, then how many more.
    void theMisreadWarningShowsTenProblemsAtMost() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr");
        QByteArray ten = FileBytes(path);
        for (char k = '0'; k < '5'; ++k)
            ten.replace(QByteArray(" Frame 1") + k, " Frame x").replace(QByteArray(" Vertical 2") + k, " Vertical x");
        for (const QByteArray& bytes : {ten, QByteArray(ten).replace(" Power 1.5 ", " Power x ")}) {
            WriteBytes(path, bytes);
            window.Command6_Click();
            const QStringList told = TakeMessages(dialogs).value(0).split('\n');
            QCOMPARE(told.filter(QRegularExpression("^line \\d+: .+; .+ keeps ")).size(), 10);
            QCOMPARE(told.filter(QRegularExpression(" more$")), QStringList(bytes == ten ? 0 : 1, "and 1 more"));
        }
    }

    // Typing left in a box, the Height and Direction boxes over their displays
    // included, is committed by every Save before it writes: the file then
    // holds what the box shows, and nothing is left unsaved.
    void everySaveCommitsTheTypingInEveryBox_data() {
        QTest::addColumn<QByteArray>("box");  // a box's name, or the display a double-click opens
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<bool>("answer");  // Ctrl+S, or the Save answer to Reset's question
        const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
            {"Frame no.", Text2Of::Frame, "42", " Frame 42\r\n"},
            {"Power", Text2Of::Power, "42", " Power 42 Range 0.25\r\n"},
            {"Direction Range", Text2Of::DirectionRange, "42", " Direction 0 Range 42\r\n"},
            {"Power Range", Text2Of::PowerRange, "42", " Power 1.5 Range 42\r\n"},
            {"Nrml. Edge Prb.", Text2Of::EdgeProb, "0.42", "EdgeProb 0.42 EdgeProb6 "},
            {"Height", Label3Of::Height, "4242", " Vertical 4242\r\n"},
            {"Direction", Label3Of::Direction, "4242", " Direction 4242 Range 3750000\r\n"}};
        for (const bool answer : {false, true})
            for (const auto& [name, box, typed, written] : rows)
                QTest::addRow("%s, %s", name, answer ? "Save answer" : "Ctrl+S")
                    << QByteArray(box) << QString(typed) << QByteArray(written) << answer;
    }
    void everySaveCommitsTheTypingInEveryBox() {
        QFETCH(QByteArray, box);
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        QFETCH(bool, answer);
        auto& [folder, dialogs, window] = *editor_;
        const QString pull = PickPull();
        QLineEdit* typedInto = TypeInto(window, box.constData(), typed);
        if (answer) dialogs.answers = {orvik::Answer::Save};  // unasked, Reset drops the typing
        answer ? window.Command6_Click() : QTest::keyClick(typedInto, Qt::Key_S, Qt::ControlModifier);
        QVERIFY2(FileBytes(pull).contains(written), FileBytes(pull).constData());
        QCOMPARE(TakeMessages(dialogs), QStringList{"Saved!: Stroke Saved Successfully to " + pull + " (Pull)."});
        QCOMPARE(window.isWindowModified(), false);
    }

    // A box whose text cannot be committed says so when it is left: a red
    // frame and a tooltip that names the problem and the timing. The mark of
    // unsaved edits stays, and goes once a number is typed.
    void aBoxSaysAtOnceWhatItsCommitKeeps() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr");
        auto* power = Find<QLineEdit>(window, Text2Of::Power);
        TypeAndLeave(window, Text2Of::Power, "abc");
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.5);
        QCOMPARE(power->text(), QStringLiteral("abc"));
        QCOMPARE(power->toolTip(),
                 QStringLiteral("\"abc\" is not a number\nPower (Very Late) keeps 1.5 until a number is typed."));
        QVERIFY(!power->styleSheet().isEmpty());
        QCOMPARE(window.isWindowModified(), true);
        SaveScreenshot(window, "unconverted-power-box");
        TypeAndLeave(window, Text2Of::Power, "1.5");
        QCOMPARE(power->toolTip(), QString());
        QCOMPARE(power->styleSheet(), QString());
        QCOMPARE(window.isWindowModified(), false);

        // A committed number shows as the file will hold it: a frame rounded, no
        // more digits than the file keeps, the same value in another form as it
        // was typed. After a Save, leaving every box adds no step and no mark.
        QTest::keyClick(TypeInto(window, Label3Of::Height, "1.23456789012345678"), Qt::Key_Return);
        TypeAndLeave(window, Text2Of::Power, "2.71828182845904523");
        TypeAndLeave(window, Text2Of::Frame, "12.5");
        TypeAndLeave(window, Text2Of::DirectionRange, " 1.50e1");
        QCOMPARE(TextsOf(window, {Label3Of::Height, Text2Of::Power, Text2Of::Frame, Text2Of::DirectionRange}),
                 (QStringList{"1.23456789012346", "2.71828182845905", "12", " 1.50e1"}));
        window.Command3_Click();
        QVERIFY(FileBytes(path).contains(
            " Frame 12\r\n Vertical 1.23456789012346\r\n Direction 0 Range 15\r\n Power 2.71828182845905 Range"));
        const int steps = window.Document().Steps();
        for (const char* box : {Text2Of::Frame, Text2Of::EdgeProb, Text2Of::EdgeProb6, Text2Of::DirectionRange,
                                Text2Of::Power, Text2Of::PowerRange, Label3Of::Height})
            TypeAndLeave(window, box, {});
        QCOMPARE(window.Document().Steps(), steps);
        QCOMPARE(window.isWindowModified(), false);
    }

    // Another program saved the file after the load, even with as many bytes:
    // Save asks before it overwrites that (Cancel the default); after a Save
    // here it asks no more.
    void aFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr");
        TypeAndLeave(window, Text2Of::Power, "5");
        const QByteArray other = FileBytes(path).replace(" Power 1.5 Range", " Power 7.5 Range");
        WriteBytes(path, other);
        window.Command3_Click();
        QCOMPARE(dialogs.questions, QStringList{"Save: The file " + path +
                                                " has changed on disk since it was loaded; another program may have "
                                                "saved it.\nOverwrite it with the stroke shown?"});
        QCOMPARE(dialogs.defaults, QList{orvik::Answer::Cancel});
        QCOMPARE(FileBytes(path), other);
        QVERIFY(window.isWindowModified());
        dialogs.answers = {orvik::Answer::Overwrite};
        window.Command3_Click();
        QVERIFY(FileBytes(path).contains(" Power 5 Range 0.25\r\n"));
        TypeAndLeave(window, Text2Of::Power, "6");
        window.Command3_Click();
        QCOMPARE(dialogs.questions.size(), 2);
    }

    // Armed editing writes only while the pointer is over the armed view now:
    // not after it jumped out of the window or onto a control, whatever timing
    // is chosen meanwhile. The armed view shows a frame and a cross-hair; Reset
    // disarms and shows the file's values.
    void armedEditingWritesOnlyWhereThePointerIsNow() {
        auto& [folder, dialogs, window] = *editor_;
        editor_->Open("a-Cc031.atr");
        const auto frameShown = [&window] {  // the top view's left edge in the highlight colour
            const QImage image = window.grab().toImage();
            const QRgb highlight = window.palette().color(QPalette::Highlight).rgb();
            int pixels = 0;
            for (int y = 155; y < 200; ++y) pixels += image.pixel(24, y) == highlight;
            return pixels;
        };
        QCOMPARE(frameShown(), 0);
        PointAt(window, 2280, 3000);
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(152, 200));
        QCOMPARE(window.Mouse().DirectionEditOn, -1);
        QCOMPARE(window.cursor().shape(), Qt::CrossCursor);
        QVERIFY(frameShown() > 10);
        SaveScreenshot(window, QStringLiteral("direction_editing_armed"));

        const QStringList before = Snapshot(window);
        PointAt(window, -600, -600);  // out of the window, without a move over it
        for (int tick = 0; tick < 3; ++tick) window.Timer1_Timer();
        QCOMPARE(Snapshot(window), before);
        Pick(window, "Combo3", "Early");
        const QStringList early = Snapshot(window);
        QCursor::setPos(Find(window, "Combo1")->mapToGlobal(QPoint(5, 5)));  // over a control
        QCoreApplication::processEvents();
        for (int tick = 0; tick < 3; ++tick) window.Timer1_Timer();
        QCOMPARE(Snapshot(window), early);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);  // which the control takes
        QCOMPARE(window.Stroke().KeyFrames[3].Direction, 22500000.0);

        PointAt(window, 1275, 3195);  // back in the view: 45 degrees, into Early
        window.Timer1_Timer();
        QCOMPARE(window.Stroke().KeyFrames[3].Direction, 33750000.0);
        QCOMPARE(window.Stroke().KeyFrames[0].Direction, 0.0);

        dialogs.answers = {orvik::Answer::Discard};
        window.Command6_Click();
        QCOMPARE(window.Mouse().DirectionEditOn, 0);
        window.Timer1_Timer();
        QCOMPARE(TextsOf(window, {"Combo3", Label3Of::Direction}), (QStringList{"Very Late", "0"}));
        QCOMPARE(window.Stroke().KeyFrames[3].Direction, 22500000.0);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(frameShown(), 0);
    }
};

QTEST_MAIN(UnsavedEditsTest)
#include "unsaved_edits_test.moc"
