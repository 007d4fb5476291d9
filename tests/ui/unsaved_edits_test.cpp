// The user's edits are never lost and never change what was not touched:
// the unsaved-edits mark, undo and redo, the question before edits are
// dropped, and Save's questions about the file on disk.
#include <QtTest>
#include <QtWidgets>

#include "core/stroke_reader.h"
#include "core/usable_values.h"
#include "support/window_fixture.h"
#include "ui/dir_list.h"

namespace {

// Puts the pointer itself at (x, y) twips of the window.
void PointAt(QWidget& window, int xTwips, int yTwips) {
    QCursor::setPos(window.mapToGlobal(QPoint(xTwips / 15, yTwips / 15)));
    QCoreApplication::processEvents();
}

// A mouse edit: a click at `from` arms the view, a tick at `to` sets its value,
// a click there disarms it.
void MouseEdit(orvik::MainWindow& window, QPoint from, QPoint to) {
    PointAt(window, from.x(), from.y());
    QTest::mouseClick(&window, Qt::LeftButton, {}, from / 15);
    PointAt(window, to.x(), to.y());
    window.Timer1_Timer();
    QTest::mouseClick(&window, Qt::LeftButton, {}, to / 15);
}

// The user types `text` into the box after selecting what it holds, and
// leaves it for the next box, which commits it.
void TypeAndLeave(QWidget& window, const char* name, const QString& text) {
    auto* box = Find<QLineEdit>(window, name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

void PressUndo(QWidget& window) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Z,
                    Qt::ControlModifier);
}
void PressRedo(QWidget& window) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Y,
                    Qt::ControlModifier);
}

}  // namespace

// The ways a user drops the stroke shown, each with what shows it was done.
struct DroppingAction {
    const char* name;
    std::function<void(Editor&)> run;
    std::function<bool(Editor&)> done;
};

const QString OtherStroke = QStringLiteral("Forward Defence2");  // a-Cc018.atr

bool ShowsTheOtherStroke(Editor& editor) { return editor.window.FileDialog().FileName().endsWith("a-Cc018.atr"); }

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
    {"Reset", [](Editor& e) { e.window.Command6_Click(); },
     [](Editor& e) { return !e.window.isWindowModified() && e.window.History().Steps() == 0; }},
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
        return game + "/a-Cc031.atr";
    }

private slots:
    void init() {
        editor_.emplace();
        editor_->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor_->window));
        Find<QTimer>(editor_->window, "Timer1")->stop();  // the ticks are the test's own
    }
    void cleanup() { editor_.reset(); }

    // Each kind of edit shows the mark; undoing it back to the loaded state,
    // a Save and a load clear it.
    void everyKindOfEditShowsTheMarkUntilUndoneSavedOrLoaded() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr", orvik::CleanStroke("2"));
        const QString caption = "Orvik Stroke Editor (" + path + ")";
        QCOMPARE(Caption(window), caption);
        const std::function<void()> edits[] = {
            [&] { TypeAndLeave(window, "Text2(3)", "42"); },
            [&] { Pick(window, "Combo1", "Aggressive"); },
            [&] { Pick(window, "Combo2", "Fast Bowler"); },
            [&] { MouseEdit(window, {2280, 3000}, {1275, 3195}); },
            [&] { MouseEdit(window, {2010, 900}, {2010, 720}); },
        };
        int kind = 0;
        for (const auto& edit : edits) {
            edit();
            QVERIFY2(window.isWindowModified(), qPrintable(QString::number(kind)));
            QCOMPARE(Caption(window), caption + "*");
            QCOMPARE(window.History().Steps(), 1);
            PressUndo(window);
            QVERIFY2(!window.isWindowModified(), qPrintable(QString::number(kind)));
            ++kind;
        }
        // Typing into an edge probability box shows the mark before it is committed.
        auto* edge = Find<QLineEdit>(window, "Text2(4)");
        edge->setFocus();
        QTest::keyClicks(edge, "5");
        QVERIFY(window.isWindowModified());
        QTest::keyClick(edge, Qt::Key_Tab);
        QCOMPARE(window.History().Steps(), 1);

        // Saved: no mark; undone past the save: the mark; redone to it: none.
        window.Command3_Click();
        QVERIFY(!window.isWindowModified());
        PressUndo(window);
        QCOMPARE(TextOf(window, "Text2(4)"), QStringLiteral("0.1"));
        QVERIFY(window.isWindowModified());
        PressRedo(window);
        QVERIFY(!window.isWindowModified());
        QCOMPARE(TextOf(window, "Text2(4)"), QStringLiteral("0.15"));
        // A load starts a new history.
        TypeAndLeave(window, "Text2(0)", "3");
        dialogs.answers = {orvik::Answer::Discard};
        window.Command6_Click();
        QVERIFY(!window.isWindowModified());
        QCOMPARE(window.History().Steps(), 0);
        QCOMPARE(Caption(window), caption);
    }

    // Typed, list and mouse edits over several timings, undone step by step to
    // the loaded stroke (each undo shows the timing it changed) and redone to
    // the edited one: Save writes the loaded bytes, then the edited ones.
    void editsOverSeveralTimingsUndoAndRedoStepByStep() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr", orvik::CleanStroke("0 3"));
        window.Command3_Click();  // the file as the editor writes it
        const QByteArray loaded = FileBytes(path);
        Pick(window, "Combo3", "Late");
        TypeAndLeave(window, "Text2(3)", "41");
        TypeAndLeave(window, "Text2(5)", "0.5");
        Pick(window, "Combo3", "Early (6Hit)");
        TypeAndLeave(window, "Text2(0)", "-7");
        MouseEdit(window, {2280, 3000}, {1275, 3195});  // 45 degrees
        Pick(window, "Combo1", "Moderate");
        Pick(window, "Combo3", "Very Late");
        MouseEdit(window, {2010, 900}, {2010, 720});
        QCOMPARE(window.History().Steps(), 6);
        window.Command3_Click();
        const QByteArray edited = FileBytes(path);
        QVERIFY(edited != loaded);
        TakeMessages(dialogs);

        // Each undo shows the key frame it changed, its boxes and its preview.
        const QString shownAfterUndo[] = {"Very Late", "Very Late", "Early (6Hit)", "Early (6Hit)", "Late", "Late"};
        for (const QString& timing : shownAfterUndo) {
            PressUndo(window);
            QCOMPARE(TextOf(window, "Combo3"), timing);
        }
        QCOMPARE(TextsOf(window, {"Text2(3)", "Text2(5)", "Combo1"}), (QStringList{"2.5", "0.25", "Defensive"}));
        QCOMPARE(window.Stroke().KeyFrames[6].Direction, 7500000.0 * 6);
        QVERIFY(window.isWindowModified());
        window.Command3_Click();
        QCOMPARE(QString(FileBytes(path)).split('\n'), QString(loaded).split('\n'));
        QVERIFY(!window.isWindowModified());

        for (int step = 0; step < 6; ++step) PressRedo(window);
        QCOMPARE(TextOf(window, "Combo3"), QStringLiteral("Very Late"));
        QCOMPARE(TextOf(window, "Label3(1)"), QStringLiteral("58095238"));
        QCOMPARE(window.PreviewState().Lines.Line4.X2, 2280.0f);  // Very Late points straight up
        window.Command3_Click();
        QCOMPARE(FileBytes(path), edited);
    }

    // In a box being typed in, Ctrl+Z undoes the typing first, then the
    // window's steps; once the box is committed, its typing is one step.
    void ctrlZInABoxUndoesItsTypingFirst() {
        auto& [folder, dialogs, window] = *editor_;
        editor_->Open("a-Cc031.atr");
        TypeAndLeave(window, "Text2(0)", "77");
        // Tab goes on through the Height and Direction displays, which commit
        // nothing when nothing was typed into them.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* power = Find<QLineEdit>(window, "Text2(3)");
        QCOMPARE(QApplication::focusWidget(), power);
        QTest::keyClick(power, Qt::Key_End);
        QTest::keyClicks(power, "9");
        QCOMPARE(power->text(), QStringLiteral("1.59"));
        QVERIFY(window.isWindowModified());
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(power->text(), QStringLiteral("1.5"));
        QCOMPARE(TextOf(window, "Text2(0)"), QStringLiteral("77"));
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // the typing again
        QCOMPARE(power->text(), QStringLiteral("1.59"));
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier);  // no typing left: the frame's step
        QCOMPARE(TextOf(window, "Text2(0)"), QStringLiteral("10"));
        QCOMPARE(window.Stroke().KeyFrames[0].Frame, 10);
        QVERIFY(!window.isWindowModified());

        QTest::keyClicks(power, "8");
        QTest::keyClick(power, Qt::Key_Tab);
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.58);
        power->setFocus();
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier);  // the committed typing is a step
        QCOMPARE(power->text(), QStringLiteral("1.5"));
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.5);
        QTest::keyClick(power, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.58);
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
        TypeAndLeave(window, "Text2(3)", "42");
        const QStringList edited = Snapshot(window);
        dialogs.answers = {answer};
        dropping.run(*editor_);
        QCOMPARE(dialogs.questions, QStringList{"Orvik Stroke Editor: Save changes to " + pull + "?"});
        QCOMPARE(dropping.done(*editor_), answer != orvik::Answer::Cancel);
        if (answer == orvik::Answer::Cancel)
            QCOMPARE(Snapshot(window).join('\n').split('\n'), edited.join('\n').split('\n'));
        const QByteArray saved = FileBytes(pull);
        QCOMPARE(saved == loaded, answer != orvik::Answer::Save);
        QCOMPARE(saved.contains(" Power 42 Range 0.25\r\n"), answer == orvik::Answer::Save);
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
        TypeAndLeave(window, "Text2(3)", "42");
        TypeAndLeave(window, "Text2(4)", "0,5");  // a comma would split the field
        QVERIFY(Find<orvik::DirList>(window, "Dir1")->SetPath(folder.path()));
        QCOMPARE(dialogs.questions, QStringList{});
        const QStringList edited = Snapshot(window);
        dialogs.answers = {orvik::Answer::Save};
        window.Command6_Click();
        QCOMPARE(dialogs.questions.size(), 1);
        QCOMPARE(TakeMessages(dialogs).size(), 1);  // the refusal
        QCOMPARE(Snapshot(window).join('\n').split('\n'), edited.join('\n').split('\n'));
        QCOMPARE(FileBytes(pull), loaded);
    }

    // A misread file is told on load (the reader's report, line by line) and
    // asked for on its first Save; Cancel leaves it byte for byte.
    void aMisreadFileIsToldOnLoadAndAskedForOnItsFirstSave() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr");
        window.Command3_Click();  // the file as the editor writes it
        const QByteArray misread = FileBytes(path).replace(" Power 3.5 Range 0.25", " Power 9,5 Range 15");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(misread) == misread.size());
        file.close();
        TakeMessages(dialogs);
        window.Command6_Click();
        const QStringList told = TakeMessages(dialogs);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].startsWith("Misread stroke file: The stroke file " + path), qPrintable(told[0]));
        QVERIFY2(told[0].contains("\nline 31: "), qPrintable(told[0]));
        QVERIFY2(told[0].contains("A comma on line 31 splits that line in two"), qPrintable(told[0]));
        QCOMPARE(window.Stroke().KeyFrames[3].Power, 0.0);  // shown as it was read

        TypeAndLeave(window, "Text2(3)", "5");
        window.Command3_Click();  // Cancel is the default
        QCOMPARE(dialogs.questions.size(), 1);
        QVERIFY2(dialogs.questions[0].startsWith("Save: The stroke file " + path + " was misread"),
                 qPrintable(dialogs.questions[0]));
        QVERIFY(dialogs.questions[0].contains("\nline 31: "));
        // Every timing whose values change, and every line that changes.
        QVERIFY(
            dialogs.questions[0].contains("It changes the values of Very Late, Perfectly on time, Early, Very Early."));
        QVERIFY(dialogs.questions[0].contains("- Power 9,5 Range 15\\r\\n\n+ Power 0 Range 0\\r\\n\n"));
        QVERIFY(dialogs.questions[0].contains("- Frame 14\\r\\n\n"));
        QVERIFY(dialogs.questions[0].contains("+Power 5.5 Range 0.25\\r\\n\n"));
        QCOMPARE(dialogs.questions[0].count(QRegularExpression("^[-+][^-+]", QRegularExpression::MultilineOption)), 22);
        QCOMPARE(FileBytes(path), misread);
        QCOMPARE(TakeMessages(dialogs), QStringList{});
        QVERIFY(window.isWindowModified());

        dialogs.answers = {orvik::Answer::Save};
        window.Command3_Click();
        QCOMPARE(TakeMessages(dialogs).size(), 1);  // saved
        QVERIFY(FileBytes(path).contains(" Power 5 Range 0.25\r\n"));
        // What the question showed is what was written: Early and Very Early
        // hold zeros, which the checker reports.
        orvik::StrokeFile saved = orvik::StartStroke();
        orvik::ReadStrokeText(FileBytes(path).toStdString(), saved);
        QCOMPARE(orvik::IsZeroedKeyFrame(saved.KeyFrames[2]), false);
        QCOMPARE(orvik::IsZeroedKeyFrame(saved.KeyFrames[3]), true);
        QCOMPARE(orvik::IsZeroedKeyFrame(saved.KeyFrames[4]), true);
        dialogs.questions.clear();
        window.Command3_Click();  // rewritten once: no more question
        QCOMPARE(dialogs.questions, QStringList{});
    }

    // Typing left in a box, the Height and Direction boxes over their displays
    // included, is committed by every Save before it writes: the file then
    // holds what the box shows, and nothing is left unsaved.
    void everySaveCommitsTheTypingInEveryBox_data() {
        QTest::addColumn<QByteArray>("box");  // a box's name, or the display a double-click opens
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<int>("save");  // 0 Ctrl+S, 1 the Save answer to picking another stroke
        const char* const saves[] = {"Ctrl+S", "Save answer"};
        for (int save = 0; save < 2; ++save) {
            QTest::addRow("Frame no., %s", saves[save])
                << QByteArray("Text2(0)") << "42" << QByteArray(" Frame 42\r\n") << save;
            QTest::addRow("Power, %s", saves[save])
                << QByteArray("Text2(3)") << "42" << QByteArray(" Power 42 Range 0.25\r\n") << save;
            QTest::addRow("Direction Range, %s", saves[save])
                << QByteArray("Text2(6)") << "42" << QByteArray(" Direction 0 Range 42\r\n") << save;
            QTest::addRow("Power Range, %s", saves[save])
                << QByteArray("Text2(5)") << "42" << QByteArray(" Power 1.5 Range 42\r\n") << save;
            QTest::addRow("Nrml. Edge Prb., %s", saves[save])
                << QByteArray("Text2(4)") << "0.42" << QByteArray("EdgeProb 0.42 EdgeProb6 ") << save;
            QTest::addRow("Height, %s", saves[save])
                << QByteArray("Label3(1)") << "4242" << QByteArray(" Vertical 4242\r\n") << save;
            QTest::addRow("Direction, %s", saves[save])
                << QByteArray("Label3(2)") << "4242" << QByteArray(" Direction 4242 Range 3750000\r\n") << save;
        }
    }
    void everySaveCommitsTheTypingInEveryBox() {
        QFETCH(QByteArray, box);
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        QFETCH(int, save);
        auto& [folder, dialogs, window] = *editor_;
        const QString pull = PickPull();
        QLineEdit* typedInto = nullptr;
        if (box.startsWith("Label3")) {
            QTest::mouseDClick(Find(window, box.constData()), Qt::LeftButton);
            typedInto = Find<QLineEdit>(window, box == "Label3(1)" ? "HeightBox" : "DirectionBox");
        } else {
            typedInto = Find<QLineEdit>(window, box.constData());
            typedInto->setFocus();
            typedInto->selectAll();
        }
        QCOMPARE(QApplication::focusWidget(), typedInto);
        QTest::keyClicks(typedInto, typed);
        if (save == 0) {
            QTest::keyClick(typedInto, Qt::Key_S, Qt::ControlModifier);
        } else {
            dialogs.answers = {orvik::Answer::Save};
            window.Command6_Click();  // Reset asks first
            QCOMPARE(dialogs.questions.size(), 1);
        }
        QVERIFY2(FileBytes(pull).contains(written), FileBytes(pull).constData());
        const QStringList told = TakeMessages(dialogs);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told[0], "Saved!: Stroke Saved Successfully to " + pull + " (Pull).");
        QCOMPARE(window.isWindowModified(), false);
    }

    // A typed value that cannot be committed refuses every Save, which names
    // the box and the timing; the file stays as it was.
    void aSaveRefusesTypingThatCannotBeCommitted() {
        auto& [folder, dialogs, window] = *editor_;
        const QString pull = PickPull();
        const QByteArray loaded = FileBytes(pull);
        QTest::mouseDClick(Find(window, "Label3(1)"), Qt::LeftButton);
        auto* height = Find<QLineEdit>(window, "HeightBox");
        QTest::keyClicks(height, "abc");
        QTest::keyClick(height, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(TakeMessages(dialogs), QStringList{"Error (critical): The stroke could not be saved to " + pull +
                                                    ".\nHeight (Very Late): \"abc\" is not a number\nNothing was "
                                                    "written."});
        QCOMPARE(FileBytes(pull), loaded);
        QCOMPARE(window.isWindowModified(), true);
    }

    // A box whose text cannot be committed says so when it is left: a red
    // frame and a tooltip that names the problem and the timing. The mark of
    // unsaved edits stays, and goes with the mark once a number is typed.
    void aBoxThatCannotBeCommittedSaysSoAtOnce() {
        auto& [folder, dialogs, window] = *editor_;
        editor_->Open("a-Cc031.atr");
        auto* power = Find<QLineEdit>(window, "Text2(3)");
        QCOMPARE(power->styleSheet(), QString());
        TypeAndLeave(window, "Text2(3)", "abc");
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.5);
        QCOMPARE(power->text(), QStringLiteral("abc"));
        QCOMPARE(power->toolTip(),
                 QStringLiteral("\"abc\" is not a number\nPower (Very Late) keeps 1.5 until a number is typed."));
        QVERIFY(!power->styleSheet().isEmpty());
        QCOMPARE(window.isWindowModified(), true);
        SaveScreenshot(window, "unconverted-power-box");
        window.Command3_Click();
        QCOMPARE(TakeMessages(dialogs).value(0).section('\n', 1, 1),
                 QStringLiteral("Power (Very Late): \"abc\" is not a number"));

        TypeAndLeave(window, "Text2(3)", "1.5");
        QCOMPARE(power->toolTip(), QString());
        QCOMPARE(power->styleSheet(), QString());
        QCOMPARE(window.isWindowModified(), false);
    }

    // Typing in a box with none of its own to redo is never thrown away by a
    // redo: the redo waits, and the window's redo history stays as it was.
    // A redo records no step where no mouse edit was under way.
    void aRedoNeverDropsTyping() {
        auto& [folder, dialogs, window] = *editor_;
        editor_->Open("a-Cc031.atr");
        TypeAndLeave(window, "Text2(3)", "77");
        PressUndo(window);
        auto* power = Find<QLineEdit>(window, "Text2(3)");
        QCOMPARE(power->text(), QStringLiteral("1.5"));
        QCOMPARE(window.History().CanRedo(), true);
        const int steps = window.History().Steps();

        power->setFocus();
        power->selectAll();
        QTest::keyClicks(power, "99");
        QTest::keyClick(power, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(power->text(), QStringLiteral("99"));
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(power->text(), QStringLiteral("99"));
        QCOMPARE(window.History().CanRedo(), true);
        QCOMPARE(window.History().Steps(), steps);

        // In an edge probability box as well: no step named "Mouse edit".
        QTest::keyClick(power, Qt::Key_Z, Qt::ControlModifier);  // the box's own typing undone
        QCOMPARE(power->text(), QStringLiteral("1.5"));
        auto* edge = Find<QLineEdit>(window, "Text2(4)");
        edge->setFocus();
        edge->selectAll();
        QTest::keyClicks(edge, "0.9");
        QTest::keyClick(edge, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(edge->text(), QStringLiteral("0.9"));
        window.RedoShortcut_Activated();  // however it is started
        QCOMPARE(edge->text(), QStringLiteral("0.9"));
        QCOMPARE(window.History().Steps(), steps);
        QCOMPARE(window.History().CanRedo(), true);

        // Once the typing is undone, the window's step is there to redo.
        while (edge->isUndoAvailable()) QTest::keyClick(edge, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edge->text(), QStringLiteral("0.1"));
        Find(window, "Text2(0)")->setFocus();
        PressRedo(window);
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 77.0);
        QCOMPARE(power->text(), QStringLiteral("77"));
    }

    // Save's confirmation names the stroke it wrote, not the one the stroke
    // list shows by then.
    void theConfirmationNamesTheStrokeSaved() {
        auto& [folder, dialogs, window] = *editor_;
        const QString pull = PickPull();
        TypeAndLeave(window, "Text2(3)", "42");
        dialogs.answers = {orvik::Answer::Save};
        Pick(window, "Combo4", OtherStroke);
        QCOMPARE(TakeMessages(dialogs), QStringList{"Saved!: Stroke Saved Successfully to " + pull + " (Pull)."});
        QVERIFY(ShowsTheOtherStroke(*editor_));
    }

    // A number with more digits than the file keeps is committed as the file
    // will hold it: after a Save, leaving every box adds no step and no mark.
    void aCommittedNumberIsKeptAsTheFileHoldsIt() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr");
        QTest::mouseDClick(Find(window, "Label3(1)"), Qt::LeftButton);
        QTest::keyClicks(Find<QLineEdit>(window, "HeightBox"), "1.23456789012345678");
        QTest::keyClick(Find<QLineEdit>(window, "HeightBox"), Qt::Key_Return);
        TypeAndLeave(window, "Text2(3)", "2.71828182845904523");
        QCOMPARE(TextsOf(window, {"Label3(1)", "Text2(3)"}), (QStringList{"1.23456789012346", "2.71828182845905"}));
        window.Command3_Click();
        QVERIFY(FileBytes(path).contains(" Vertical 1.23456789012346\r\n"));
        const int steps = window.History().Steps();
        for (const char* box : {"Text2(0)", "Text2(4)", "Text2(7)", "Text2(6)", "Text2(3)", "Text2(5)"}) {
            Find(window, box)->setFocus();
            QTest::keyClick(Find(window, box), Qt::Key_Tab);
        }
        QTest::mouseDClick(Find(window, "Label3(1)"), Qt::LeftButton);
        QTest::keyClick(Find<QLineEdit>(window, "HeightBox"), Qt::Key_Tab);
        QCOMPARE(window.History().Steps(), steps);
        QCOMPARE(window.isWindowModified(), false);
        QCOMPARE(window.Stroke().KeyFrames[0].Vertical, 1.23456789012346);
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 2.71828182845905);
    }

    // A misread file whose Save changes a few lines, and no key frame: the
    // question shows those lines itself and names no timing.
    void aShortChangeIsShownInTheQuestionItself() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr");
        const QByteArray misread = FileBytes(path).replace("\r\nnote\r\n", "\r\n\"note\" x\r\n");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(misread) == misread.size());
        file.close();
        window.Command6_Click();
        TakeMessages(dialogs);
        window.Command3_Click();
        QCOMPARE(dialogs.questions.size(), 1);
        const QString& asked = dialogs.questions[0];
        QVERIFY2(asked.contains("\n\nThe lines it changes:\n--- " + path + "\n+++ " + path +
                                " as a save would write it\n@@ "),
                 qPrintable(asked));
        QVERIFY2(asked.endsWith("\n-\"note\" x\\r\\n\n+note\\r\\n\n \\r\\n\n \\r\\n\n \\r\\n"), qPrintable(asked));
        QCOMPARE(asked.contains("It changes the values of"), false);
        QCOMPARE(FileBytes(path), misread);
    }

    // Another program saved the file after the load: Save asks before it
    // overwrites that (Cancel the default); after a Save here it asks no more.
    void aFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr");
        TypeAndLeave(window, "Text2(3)", "5");
        const QByteArray other = FileBytes(path).replace(" Power 1.5 Range", " Power 77 Range");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(other) == other.size());
        file.close();
        window.Command3_Click();
        QCOMPARE(dialogs.questions, QStringList{"Save: The file " + path +
                                                " has changed on disk since it was loaded; another program may have "
                                                "saved it.\nOverwrite it with the stroke shown?"});
        QCOMPARE(FileBytes(path), other);
        QVERIFY(window.isWindowModified());
        dialogs.answers = {orvik::Answer::Overwrite};
        window.Command3_Click();
        QVERIFY(FileBytes(path).contains(" Power 5 Range 0.25\r\n"));
        dialogs.questions.clear();
        TypeAndLeave(window, "Text2(3)", "6");
        window.Command3_Click();
        QCOMPARE(dialogs.questions, QStringList{});
        QVERIFY(FileBytes(path).contains(" Power 6 Range 0.25\r\n"));
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
        QCursor::setPos(window.mapToGlobal(QPoint(-40, -40)));  // out of the window, without a move over it
        QCoreApplication::processEvents();
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
        QCOMPARE(TextsOf(window, {"Combo3", "Label3(2)"}), (QStringList{"Very Late", "0"}));
        QCOMPARE(window.Stroke().KeyFrames[3].Direction, 22500000.0);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(frameShown(), 0);
    }
};

QTEST_MAIN(UnsavedEditsTest)
#include "unsaved_edits_test.moc"
