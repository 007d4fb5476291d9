// The editor window: how it opens, Help, About and Exit, loading a stroke
// (Open, Reset), the key frame fields, Save, the folder and stroke lists, and
// the browsing controls on their own.
// File faults are in fault_injection_test, the mouse in whole_road_test.
#include <QtTest>
#include <QtWidgets>

#include "core/stroke_writer.h"
#include "support/window_fixture.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/drop_down_list.h"
#include "ui/file_list.h"

namespace {

// A message box or question as the user saw it: its text, the format its
// label takes it in, and its size.
struct ShownBox {
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QSize size;
};

// Runs `command`, which shows one modal box, and answers it with Esc.
ShownBox BoxShownBy(const std::function<void()>& command, const QString& screenshot) {
    ShownBox shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll.stop();
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown = {label->text(), label->textFormat(), box->size()};
        SaveScreenshot(*box, screenshot);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    poll.start(10);
    command();
    return shown;
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    std::optional<Editor> editor_;  // a fresh one for each test
    QTemporaryDir tmp_;
    const QString game_ = QDir::cleanPath(tmp_.path()) + "/game";  // for the browsing controls on their own
    const QString root_ = game_.left(game_.indexOf('/') + 1);      // its drive's root folder
private slots:
    void init() { editor_.emplace(); }
    void cleanup() { editor_.reset(); }

    void opensInItsStartState() {
        auto& [folder, dialogs, window] = *editor_;
        QCOMPARE(Caption(window), QStringLiteral("Orvik stroke editor (No File Loaded)"));
        QCOMPARE(window.minimumSize(), window.maximumSize());  // fixed
        QCOMPARE(EntriesOf(window, "Combo3"),
                 (QStringList{"Very Late", "Late", "Perfectly on time", "Early", "Very Early"}));
        QCOMPARE(EntriesOf(window, "Combo2"),
                 (QStringList{"All Bowlers", "Spinners", "Fast Bowler", "Fast and Swing bowlers"}));
        for (const char* list : {"Combo1", "Combo2", "Combo3", "Combo4"})
            QCOMPARE(Find<orvik::DropDownList>(window, list)->ListIndex(), -1);
        QCOMPARE(EntriesOf(window, "Combo4"), QStringList{});  // until the folder changes
        for (const char* hidden : {"Command1", "Command2"}) QVERIFY2(Find(window, hidden)->isHidden(), hidden);
        for (const char* disabled : {"Command3", "Command6"}) QVERIFY2(!Find(window, disabled)->isEnabled(), disabled);
        QCOMPARE(TextsOf(window, {Text2Of::Height, Text2Of::Direction, Text2Of::Frame, Label3Of::Height,
                                  Label2Of::FileCount, Label2Of::StrokeName}),
                 (QStringList{"Text2", "Text2", "", "", "", ""}));
        window.show();
        SaveScreenshot(window, QStringLiteral("main_start"));
    }

    // Combo1 has the focus; Tab goes round the visible, enabled controls, so
    // that Save and Reset join the order once a load enables them. The Height
    // and Direction displays open their boxes for typing on the way.
    void tabGoesRoundTheVisibleEnabledControls() {
        auto& [folder, dialogs, window] = *editor_;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto tabOrder = [] {
            QStringList order{QApplication::focusWidget()->objectName()};
            while (order.size() < 24 && (order.size() == 1 || order.last() != order.first())) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                order << QApplication::focusWidget()->objectName();
            }
            return order;
        };
        QStringList order({"Combo1", "Combo2", "Combo3", Text2Of::Frame, "HeightBox", "DirectionBox", Text2Of::Power,
                           Text2Of::EdgeProb, Text2Of::PowerRange, Text2Of::DirectionRange, "Command4", "Command5",
                           Text2Of::EdgeProb6, "Dir1", "Drive1", "Combo4", "Command7", "Combo1"});
        QCOMPARE(tabOrder(), order);
        editor_->Open("a-Cc031.atr");
        window.Command6_Click();
        order.insert(order.indexOf("Command7"), "Command6");  // Save and Reset join in their places
        order.insert(order.indexOf("Command4"), "Command3");
        QCOMPARE(tabOrder(), order);
    }

    void helpAboutAndExit() {
        auto& [folder, dialogs, window] = *editor_;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Find<QPushButton>(window, "Command7")->click();
        QCOMPARE(TakeMessages(dialogs), QStringList{"Help: Please see Help.txt for help on Orvik Stroke Editor."});

        // Each About makes a fresh box over main with OK focused; Enter, then Esc, closes it.
        int shown = 0;
        dialogs.onModal = [&](QDialog& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("About Orvik Stroke Editor"));
            QCOMPARE(box.parentWidget(), &window);
            box.open();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            QCOMPARE(box.focusWidget(), Find(box, "cmdOK"));
            if (++shown == 1) SaveScreenshot(box, QStringLiteral("about_box"));
            QTest::keyClick(&box, shown == 1 ? Qt::Key_Return : Qt::Key_Escape);
            QVERIFY(!box.isVisible());
        };
        for (int click = 0; click < 2; ++click) Find<QPushButton>(window, "Command5")->click();
        QCOMPARE(shown, 2);
        QVERIFY(window.findChildren<QDialog*>().isEmpty());

        // F1 shows the guide, Help.txt, in one window of the program.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (int press = 0; press < 2; ++press) QTest::keyClick(&window, Qt::Key_F1);
        const QList<QDialog*> help = window.findChildren<QDialog*>();
        QCOMPARE(help.size(), 1);
        QVERIFY(QTest::qWaitForWindowExposed(help[0]));
        QCOMPARE(help[0]->windowTitle(), QStringLiteral("Orvik Stroke Editor Help"));
        QCOMPARE(Find<QPlainTextEdit>(*help[0], "HelpText")->toPlainText(),
                 QString::fromUtf8(FileBytes(ORVIK_SAMPLES_DIR "/../docs/Help.txt")));
        SaveScreenshot(*help[0], QStringLiteral("help_window"));
        QTest::keyClick(help[0], Qt::Key_Escape);
        QVERIFY(!help[0]->isVisible());

        // With nothing loaded, Exit asks nothing (with a stroke: unsaved_edits_test).
        SetText(window, Text2Of::Power, "5");
        Find<QPushButton>(window, "Command4")->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(TakeMessages(dialogs), QStringList{});
    }

    // The six-hit timings follow the key frames' order, not their tags'.
    void opensAFileAndResetDropsTheEdits() {
        auto& [folder, dialogs, window] = *editor_;
        const QStringList start = Snapshot(window);
        window.Command2_Click();  // cancelled: nothing changes
        QCOMPARE(Snapshot(window), start);

        const QString path = editor_->Open("my18.atr", orvik::CleanStroke("4 3 2 1 0"), "Moderate", 9);
        QCOMPARE(Caption(window), QStringLiteral("Orvik Stroke Editor (%1)").arg(path));
        QVERIFY(Find(window, "Command3")->isEnabled());
        QVERIFY(!Find(window, "Command6")->isEnabled());
        const QStringList timings({"Very Late", "Late", "Perfectly on time", "Early", "Very Early", "Very Early (6Hit)",
                                   "Early (6Hit)", "Perfect (6Hit)", "Late (6Hit)", "Very Late (6Hit)"});
        QCOMPARE(EntriesOf(window, "Combo3"), timings);
        QCOMPARE(
            TextsOf(window, {"Combo3", Label2Of::StrokeName, "Combo1", "Combo2", Text2Of::Frame, Label3Of::Height,
                             Text2Of::Height, Label3Of::Direction, Text2Of::Power, Text2Of::EdgeProb,
                             Text2Of::PowerRange, Text2Of::DirectionRange, Text2Of::EdgeProb6}),
            (QStringList{"Very Late", "Forward Defence2", "Moderate", "Fast and Swing bowlers", "10", "20000000",
                         "20000000", "0", "1.5", "0.1", "0.25", "3750000", "0.2"}));  // "...18.atr": Forward Defence2
        QCOMPARE(window.PreviewState().Lines.Line3.Y2, 320.0f);                       // the apex for 20000000

        dialogs.openAnswers = {path};
        window.Command2_Click();  // each Open adds the name again, selected from code
        QCOMPARE(EntriesOf(window, "Combo4"), (QStringList{"Forward Defence2", "Forward Defence2"}));
        QCOMPARE(TextOf(window, "Combo4"), QStringLiteral("Forward Defence2"));
        QCOMPARE(EntriesOf(window, "Combo3"), timings);
        window.show();
        SaveScreenshot(window, QStringLiteral("main_loaded_six_hit"));

        // Reset drops the edits (and adds no stroke name); it enables itself, which Open does not.
        window.Command6_Click();
        QVERIFY(Find(window, "Command6")->isEnabled());
        const QStringList loaded = Snapshot(window);
        Pick(window, "Combo3", "Early");
        SetText(window, Text2Of::Power, "99");
        SetText(window, Text2Of::EdgeProb, "0.9");
        window.Text2_LostFocus(orvik::Box::Power);
        Pick(window, "Combo1", "Aggressive");
        QCOMPARE(window.Stroke().KeyFrames[3].Power, 99.0);
        dialogs.answers = {orvik::Answer::Discard};  // the question: unsaved_edits_test
        window.Command6_Click();
        QCOMPARE(Snapshot(window), loaded);
        QVERIFY(dialogs.messages.empty());
    }

    void showsAndCommitsTheChosenKeyFrame() {
        auto& [folder, dialogs, window] = *editor_;
        // Before any load every key frame is zero.
        Pick(window, "Combo3", "Perfectly on time");
        QCOMPARE(TextsOf(window, {Text2Of::Frame, Text2Of::Height, Text2Of::Direction, Text2Of::Power, Label3Of::Height,
                                  Label3Of::Direction}),
                 QStringList(6, "0"));

        orvik::StrokeFile stroke = orvik::CleanStroke("1 0");
        stroke.KeyFrames[6].Direction = 67500000;  // 90 degrees: to the left
        stroke.KeyFrames[6].Power = 0.333333333333333;
        editor_->Open("a-Cc024.atr", stroke);
        SetText(window, Text2Of::EdgeProb, "edited");  // the stroke's, not the key frame's
        Pick(window, "Combo3", "Very Late (6Hit)");    // entry 6: record 6
        QCOMPARE(TextsOf(window, {Text2Of::Frame, Label3Of::Direction, Text2Of::Power, Text2Of::EdgeProb}),
                 (QStringList{"16", "67500000", "0.333333333333333", "edited"}));
        QCOMPARE(window.PreviewState().Lines.Line5.X2, 360.0f);  // lands left, where the top view points

        // "40000" is beyond 16 bits and "abc" no number: both keep their field.
        // The labels win over the hidden boxes.
        const char* typed[][2] = {{Text2Of::Frame, "40000"},     {Text2Of::Power, "abc"},
                                  {Text2Of::PowerRange, "0.75"}, {Text2Of::DirectionRange, "-3"},
                                  {Text2Of::Height, "5"},        {Text2Of::Direction, "6"}};
        for (const auto& [box, text] : typed) SetText(window, box, text);
        window.Text2_LostFocus(orvik::Box::EdgeProb);
        const orvik::KeyFrame& frame = window.Stroke().KeyFrames[6];
        QCOMPARE((QList<double>{double(frame.Frame), frame.Power, frame.PowerRange, frame.DirectionRange,
                                frame.Vertical, frame.Direction}),
                 (QList<double>{16, 0.333333333333333, 0.75, -3, 26e6, 67500000}));
        QCOMPARE(TextOf(window, Text2Of::Power), QStringLiteral("abc"));
        QCOMPARE(window.Stroke().EdgeProb, "0.1");
    }

    // A timing change erases the arc of the key frame shown before: going back
    // shows the arc the load drew, and nothing of the other.
    void aTimingChangeErasesTheArcShownBefore() {
        auto& [folder, dialogs, window] = *editor_;
        const auto arcPixels = [&window] {  // the arc layer's pixels in the foreground colour
            QList<QPoint> pixels;
            const QRgb fore = window.palette().color(QPalette::WindowText).rgba();
            for (int y = 0; y < 108; ++y)
                for (int x = 0; x < 643; ++x)
                    if (window.Arc().ColourAt(x * 15 + 7, y * 15 + 7).rgba() == fore) pixels << QPoint(x, y);
            return pixels;
        };
        editor_->Open("a-Cc031.atr");  // "Very Late": straight up, the flight to the right
        const QList<QPoint> straight = arcPixels();
        QVERIFY(!straight.isEmpty());
        Pick(window, "Combo3", "Very Early");  // 40 degrees to the left: the flight to the left
        QCOMPARE(std::ranges::count_if(arcPixels(), [&](QPoint p) { return straight.contains(p); }), 0);
        Pick(window, "Combo3", "Very Late");
        QCOMPARE(arcPixels(), straight);
    }

    // Save writes the record in the game's format with the type, bowler class
    // and edge probabilities from their controls; a save that fails leaves the
    // file as it was and confirms nothing.
    void savesTheStrokeOrLeavesTheFileAsItWas() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr", orvik::CleanStroke("3"));
        Pick(window, "Combo1", "Aggressive");
        Pick(window, "Combo2", "All Bowlers");
        SetText(window, Text2Of::EdgeProb, "0.45");
        SetText(window, Text2Of::EdgeProb6, QString::fromUtf8("x y\u00e9"));  // saved as the one byte E9
        window.Command3_Click();
        orvik::StrokeFile expected = orvik::CleanStroke("3");
        expected.EdgeProb = "0.45", expected.EdgeProb6 = "x y\xe9";
        QCOMPARE(FileBytes(path), QByteArray::fromStdString(orvik::StrokeFileText(expected, "Aggressive", 15)));
        QCOMPARE(TakeMessages(dialogs), QStringList{"Saved!: Stroke Saved Successfully to " + path + " (Pull)."});

        // A value longer than a text box takes by default (32767) saves whole;
        // a bowler class the list lacks shows no entry and is written back.
        // (The entries for the codes: desktop_test and opensAFileAndResetDropsTheEdits.)
        orvik::StrokeFile longValue = orvik::CleanStroke("");
        longValue.EdgeProb6 = std::string(40000, '7');
        const QString longPath = editor_->Open("a-Cc030.atr", longValue, "Defensive", 3);
        QCOMPARE(TextOf(window, "Combo2"), QString());
        window.Command3_Click();
        QVERIFY(FileBytes(longPath).contains(" EdgeProb6 " + QByteArray(40000, '7') + " EdgeProb3 "));
        QCOMPARE(FileBytes(longPath).split('\n').value(8), "BowlerTypes 3\r");
    }

    // One refusal names every reason: the boxes whose text is no number or too
    // large, and the fields that would not read back.
    void aRefusedSaveGivesEveryReasonAtOnce() {
        auto& [folder, dialogs, window] = *editor_;
        const QString path = editor_->Open("a-Cc031.atr");
        const QByteArray loaded = FileBytes(path);
        SetText(window, Text2Of::Frame, "40000");
        SetText(window, Text2Of::Power, "1e999999999");
        SetText(window, Text2Of::PowerRange, "abc");
        SetText(window, Text2Of::EdgeProb, "0,5");
        window.Text2_LostFocus(orvik::Box::Frame);
        window.Command3_Click();
        QCOMPARE(TakeMessages(dialogs), QStringList{"Error (critical): The stroke could not be saved to " + path +
                                                    ".\nFrame no. (Very Late): 40000 is outside -32768 to 32767\n"
                                                    "Power (Very Late): 1e999999999 is too large for a stroke file\n"
                                                    "Power Range (Very Late): \"abc\" is not a number\n"
                                                    "Nrml. Edge Prb.: a comma ends a field in a stroke file: use a "
                                                    "point as the decimal separator\nNothing was written."});
        QCOMPARE(FileBytes(path), loaded);
    }

    // Six-hit tags with a trailing space, a letter and out of order: each
    // key frame under an entry of its own, and every one saved back; without
    // edits byte for byte.
    void everySixHitKeyFrameIsListedAndSaved() {
        auto& [folder, dialogs, window] = *editor_;
        orvik::StrokeFile stroke = orvik::CleanStroke("4 2 X 0");
        stroke.KeyFrames[6].KeyFrameTag = "2 ";
        const QString path = editor_->Open("a-Cc031.atr", stroke);
        const QByteArray loaded = FileBytes(path);
        QCOMPARE(EntriesOf(window, "Combo3").mid(5),
                 (QStringList{"Very Early (6Hit)", "6Hit tag \"2 \"", "6Hit tag \"X\"", "Very Late (6Hit)"}));
        QVERIFY(TakeMessages(dialogs).value(0).startsWith("Misread stroke file: "));  // tags that name no timing
        Pick(window, "Combo3", "6Hit tag \"X\"");
        QCOMPARE(TextOf(window, Text2Of::Frame), QStringLiteral("17"));
        dialogs.answers = {orvik::Answer::Save};
        window.Command3_Click();
        QCOMPARE(FileBytes(path), loaded);
        Pick(window, "Combo3", "Very Late (6Hit)");
        SetText(window, Text2Of::Power, "42");
        window.Text2_LostFocus(orvik::Box::Power);
        window.Command3_Click();
        QCOMPARE(FileBytes(path), QByteArray(loaded).replace(" Power 9.5 Range", " Power 42 Range"));
    }

    // A folder of stroke files for the folder and stroke lists: five "*.atr"
    // files, three of them known by name, and a subfolder of three.
    QString MakeGameFolder() {
        const QString game = editor_->folder.filePath("game");
        if (!QDir().mkpath(game + "/other")) return {};
        for (const char* name : {"a-Cc018.atr", "readme.atr", "a-Cc029.atr", "A-CC017C.ATR", "a-Cc021.atr",
                                 "other/a-Cc031.atr", "other/a-Cc018.atr", "other/a-Cc024.atr"})
            WriteStroke(game + "/" + name, orvik::CleanStroke("2"));
        return game;
    }

    // A drive change shows the drive's root folder, through the folder change;
    // a drive whose root folder has gone is reported, and the folder list stays.
    void aDriveChangeShowsItsRootOrIsReported() {
        auto& [folder, dialogs, window] = *editor_;
        auto* dir1 = Find<orvik::DirList>(window, "Dir1");
        auto* drive1 = Find<orvik::DriveList>(window, "Drive1");
        emit drive1->Change();
        QCOMPARE(dir1->Path(), drive1->Drive());
        QVERIFY(
            TextOf(window, Label2Of::FileCount).endsWith(QStringLiteral(" Stroke file(s) found in the directory.")));
        const QString root = dir1->Path();
        drive1->setItemData(drive1->currentIndex(), folder.filePath("gone"));
        emit drive1->activated(drive1->currentIndex());
        QCOMPARE(TakeMessages(dialogs), QStringList{"Error (critical): Error reading Drive"});
        QCOMPARE(dir1->Path(), root);
    }

    // Every "*.atr" counts; only names the catalogue knows, with exact case,
    // are listed, and none is selected. Picking a stroke loads its file with
    // the Reset steps; Save names the stroke as the list does.
    void aFolderChangeListsTheKnownStrokesAndAPickLoadsOne() {
        auto& [folder, dialogs, window] = *editor_;
        const QString game = MakeGameFolder();
        QVERIFY(Find<orvik::DirList>(window, "Dir1")->SetPath(game));
        QCOMPARE(TextOf(window, Label2Of::FileCount), QStringLiteral("5 Stroke file(s) found in the directory."));
        QCOMPARE(EntriesOf(window, "Combo4"),
                 (QStringList{"Forward Defence2", "Cover drive(slashing shot)", "Paddle sweep"}));
        QCOMPARE(Find<orvik::DropDownList>(window, "Combo4")->ListIndex(), -1);

        Pick(window, "Combo4", "Paddle sweep");
        const QString file = QDir::toNativeSeparators(game + "/a-Cc029.atr");
        QCOMPARE(Caption(window), QStringLiteral("Orvik Stroke Editor (%1)").arg(file));
        QCOMPARE(TextOf(window, Label2Of::StrokeName), QStringLiteral("Unknown"));  // its ending is "9b.atr"
        QCOMPARE(EntriesOf(window, "Combo3").last(), QStringLiteral("Perfect (6Hit)"));
        QVERIFY(Find(window, "Command3")->isEnabled());
        QVERIFY(Find(window, "Command6")->isEnabled());
        window.Command3_Click();
        QCOMPARE(TakeMessages(dialogs),
                 QStringList{"Saved!: Stroke Saved Successfully to " + file + " (Paddle sweep)."});
    }

    // A pick that cannot be read selects nothing: the loaded stroke is none
    // of this folder's. A folder that went after it was shown is reported;
    // the list and count stay empty, and the stroke loaded stays.
    void aPickThatCannotBeReadOrAFolderGoneIsReported() {
        auto& [folder, dialogs, window] = *editor_;
        const QString game = MakeGameFolder();
        auto* dir1 = Find<orvik::DirList>(window, "Dir1");
        QVERIFY(dir1->SetPath(game));
        Pick(window, "Combo4", "Paddle sweep");
        QVERIFY(dir1->SetPath(game + "/other"));
        QVERIFY(QFile::remove(game + "/other/a-Cc018.atr"));
        Pick(window, "Combo4", "Forward Defence2");
        CheckOneError(dialogs, QDir::toNativeSeparators(game + "/other/a-Cc018.atr"), "No such file");
        QCOMPARE(Find<orvik::DropDownList>(window, "Combo4")->ListIndex(), -1);
        QCOMPARE(window.FileDialog().FileName(), QDir::toNativeSeparators(game + "/a-Cc029.atr"));

        QVERIFY(QDir(game).removeRecursively());
        window.Dir1_Change();
        CheckOneError(dialogs, game, "does not exist");
        QCOMPARE(EntriesOf(window, "Combo4") << TextOf(window, Label2Of::FileCount), QStringList{""});
        QCOMPARE(window.Stroke().KeyFrames[0].Power, 1.5);
    }

    // Text from a path, a file or the clipboard that looks like markup is
    // shown as typed, in every message box and question: no bold, no lost
    // line breaks, no picture loaded, no box larger than the screen.
    void messagesAndQuestionsShowTheirTextAsPlainText() {
        orvik::Dialogs dialogs;
        orvik::MainWindow window{dialogs};
        window.show();
#ifdef Q_OS_WIN
        const QString folder = QDir::cleanPath(tmp_.path()) + "/&lt;b&gt;bold";  // Windows takes no < or > in a name
#else
        const QString folder = QDir::cleanPath(tmp_.path()) + "/<b>bold<i>it";
#endif
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir::toNativeSeparators(folder + "/a-Cc031.atr");
        WriteStroke(path, orvik::CleanStroke(""));
        QByteArray misread = FileBytes(path).replace(" Power 3.5 Range 0.25", " Power 9,5 Range 15");
        misread.replace("EdgeProb6 0.2", "EdgeProb6 7").replace(" Vertical 21000000", " Vertical 2l");
        WriteBytes(path, misread);

        const ShownBox loaded = BoxShownBy([&] { window.OpenFile(path); }, "plain-text-misread-load");
        QCOMPARE(loaded.format, Qt::PlainText);
        QVERIFY2(loaded.text.startsWith("The stroke file " + path + " does not follow"), qPrintable(loaded.text));
        // The fields are named as the form names them.
        QVERIFY2(loaded.text.contains(": \"6-Hit Edge Prb.\" (EdgeProb6) \"7\" lies outside 0 to 1"),
                 qPrintable(loaded.text));
        QVERIFY2(loaded.text.contains(": \"Height\" (Vertical) of Late \"2l\" is not a number; \"Height\" "
                                      "(Vertical) of Late keeps 0\n"),
                 qPrintable(loaded.text));

        const ShownBox asked = BoxShownBy([&] { window.Command3_Click(); }, "plain-text-misread-save");
        QCOMPARE(asked.format, Qt::PlainText);
        QVERIFY2(asked.text.startsWith("The stroke file " + path + " was misread"), qPrintable(asked.text));
        QCOMPARE(FileBytes(path), misread);  // Esc cancels

        const QString picture = QStringLiteral("<img src=p.png width=40000 height=40000>");
        QGuiApplication::clipboard()->setText(picture);
        const ShownBox refused = BoxShownBy([&] { window.PasteKeyFrame_Triggered(); }, "plain-text-paste-refusal");
        QCOMPARE(refused.format, Qt::PlainText);
        QVERIFY2(refused.text.contains(picture), qPrintable(refused.text));
        const QSize screen = window.screen()->availableSize();
        QCOMPARE(refused.size.width() <= screen.width() && refused.size.height() <= screen.height(), true);
    }

    // The browsing controls on their own: the hidden file list, the drive
    // list and the folder list, on a tree with subfolders strokes, Beta,
    // alpha, zeta and .hidden.
    void initTestCase() {
        for (const char* sub : {"strokes/x.atr", "Beta", "alpha", "zeta", ".hidden"})
            QVERIFY(QDir().mkpath(game_ + "/" + sub));
        for (const char* name : {"a-Cc018.atr", "a-Cc017c.atr", "readme.atr", "b.ATR", "notes.txt", "x.atrx", "atr"})
            QVERIFY(QFile(game_ + "/strokes/" + name).open(QIODevice::WriteOnly));
#ifndef Q_OS_WIN
        // Names that differ in case only, a name with a leading dot for a
        // hidden file, and links, as Linux has them.
        for (const char* name : {"A-CC018.ATR", ".hidden.atr"})
            QVERIFY(QFile(game_ + "/strokes/" + name).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(game_ + "/strokes/a-Cc018.atr", game_ + "/strokes/link.atr"));
        QVERIFY(QFile::link(game_ + "/strokes/gone", game_ + "/strokes/dead.atr"));
#endif
    }

    void fileListListsPlainStrokeFilesByNameAndDriveListOffersTheRoot() {
        orvik::FileList files;
        QVERIFY(files.SetPath(game_ + "/strokes"));
        // "*.atr" regardless of case, by name regardless of case, then by exact
        // characters; no folder, broken link or hidden file.
#ifdef Q_OS_WIN
        const QStringList names{"a-Cc017c.atr", "a-Cc018.atr", "b.ATR", "readme.atr"};
#else
        const QStringList names{"a-Cc017c.atr", "A-CC018.ATR", "a-Cc018.atr", "b.ATR", "link.atr", "readme.atr"};
#endif
        QCOMPARE(files.Names(), names);
        QCOMPARE(files.List(int(names.size()) - 1) + files.List(int(names.size())) + files.List(-1),
                 QStringLiteral("readme.atr"));
        QVERIFY(!files.SetPath(game_ + "/missing"));
        QCOMPARE(files.ListCount(), 0);

        // The drive list offers the root, and showing it raises no change.
        orvik::DriveList drives;
        QSignalSpy changes(&drives, &orvik::DriveList::Change);
        QVERIFY(drives.findData(root_) >= 0);
        drives.ShowDriveOf(root_);
        QCOMPARE(drives.Drive(), root_);
        QCOMPARE(changes.count(), 0);
    }

    void dirListShowsParentsThenSubfoldersAndOpensThem() {
        orvik::DirList dirs;
        QStringList changes;  // Path() and the selected entry at each Change()
        connect(&dirs, &orvik::DirList::Change, this,
                [&] { changes << dirs.Path() + " " + dirs.currentItem()->text(); });
        QVERIFY(dirs.ShowPath(game_ + "/strokes/../"));
        QCOMPARE(dirs.Path(), game_);
        const int depth = int(game_.count('/'));  // the root, then one entry per folder name
        QStringList texts;
        for (int row = 0; row < dirs.count(); ++row) {
            texts << dirs.item(row)->text();
            QCOMPARE(dirs.item(row)->data(orvik::DirList::DepthRole).toInt(), std::min(row, depth + 1));
        }
        QCOMPARE(texts.first() + " " + texts.mid(depth).join(" "),
                 QDir::toNativeSeparators(root_) + " game alpha Beta strokes zeta");
        QCOMPARE(dirs.item(depth + 1)->data(orvik::DirList::PathRole).toString(), game_ + "/alpha");
        QCOMPARE(dirs.currentRow(), depth);

        // SetPath raises Change() before it returns, and only for another folder that can be read.
        QVERIFY(dirs.SetPath(game_ + "/strokes"));
        QCOMPARE(changes, QStringList{game_ + "/strokes strokes"});
        QVERIFY(dirs.SetPath(game_ + "/strokes/"));
        QVERIFY(!dirs.SetPath(game_ + "/missing"));
        QVERIFY(!dirs.SetPath(game_ + "/strokes/notes.txt"));
        QCOMPARE(changes.size(), 1);

        // Enter opens the selected entry (a double click: whole_road_test).
        QVERIFY(dirs.ShowPath(game_));
        dirs.setCurrentItem(dirs.findItems("alpha", Qt::MatchExactly).value(0));
        QTest::keyClick(&dirs, Qt::Key_Return);
        dirs.setCurrentRow(dirs.currentRow() - 1);  // the parent
        QTest::keyClick(&dirs, Qt::Key_Return);
        QTest::keyClick(&dirs, Qt::Key_Return);  // the current folder itself: no change
        QCOMPARE(changes, (QStringList{game_ + "/strokes strokes", game_ + "/alpha alpha", game_ + " game"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
