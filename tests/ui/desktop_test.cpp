// The editor as a desktop program: its command line, the folder or stroke file it starts in, Ctrl+S, and what screen
// readers hear for each control.
#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

#include "support/window_fixture.h"
#include "ui/command_line.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/drop_down_list.h"
#include "ui/program_identity.h"

namespace {

// The path as the window names it: with the system's own separators.
QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString AccessibleText(QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(text) : QStringLiteral("<none>");
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
    std::optional<Editor> editor_;  // a fresh one for each test
    QString game_;                  // a stroke the catalogue knows, one it does not, and a subfolder
private slots:
    void initTestCase() { orvik::SetProgramIdentity(); }
    void init() {
        editor_.emplace();
        game_ = editor_->folder.filePath("game");
        QVERIFY(QDir().mkpath(game_ + "/sub"));
        WriteStroke(game_ + "/a-Cc021.atr", orvik::CleanStroke("1"), "Aggressive", 1);
        WriteStroke(game_ + "/mine.atr", orvik::CleanStroke(""));
    }
    void cleanup() { editor_.reset(); }

    // The command line through the built program: file_system_test.
    void theCommandLineGivesThePathOrSaysWhatIsWrong() {
        // The path; the toolkit's own options and "--" before a name like an option.
        const orvik::CommandLine line = orvik::ParseCommandLine(
            {"/usr/bin/x", "-platform", "offscreen", "-style", "fusion", "-reverse", "--", "-a.atr"});
        QCOMPARE(line.path.value_or("<none>") + line.message, QStringLiteral("-a.atr"));
        QVERIFY(!line.exitCode);
        QVERIFY(!orvik::ParseCommandLine({"x"}).path);
        // An empty path and "-" (standard input) are refused; "./-" is a path.
        for (const auto& [odd, told] :
             {std::pair{"", "x: The path is empty: no file named.\n"}, {"-", "standard input"}}) {
            const orvik::CommandLine refused = orvik::ParseCommandLine({"x", odd});
            QCOMPARE(refused.exitCode.value_or(-1), 2);
            QVERIFY2(refused.message.contains(told), qPrintable(refused.message));
        }
        QCOMPARE(orvik::ParseCommandLine({"x", "./-"}).path.value_or(""), QStringLiteral("./-"));

        // The about box shows the same version.
        QString shown;
        editor_->dialogs.onModal = [&](QDialog& box) { shown = TextOf(box, "lblVersion"); };
        editor_->window.Command5_Click();
        QCOMPARE(shown, QStringLiteral("Version " ORVIK_VERSION));
    }

    // A folder is shown as a folder change shows it; a file the catalogue does
    // not know is opened as Open opens it, in its folder.
    void startsInAFolderOrWithAFileOpened() {
        auto& [folder, dialogs, window] = *editor_;
        const QString caption = Caption(window);
        window.StartIn(game_ + "/sub/..");
        orvik::DriveList drive;
        drive.ShowDriveOf(game_);
        QCOMPARE((QStringList{Find<orvik::DirList>(window, "Dir1")->Path(),
                              Find<orvik::DriveList>(window, "Drive1")->Drive(), TextOf(window, Label2Of::FileCount),
                              Caption(window)}),
                 (QStringList{game_, drive.Drive(), "2 Stroke file(s) found in the directory.", caption}));
        QCOMPARE(EntriesOf(window, "Combo4"), QStringList{"Cover drive(slashing shot)"});
        QCOMPARE(Find<orvik::DropDownList>(window, "Combo4")->ListIndex(), -1);

        window.StartIn(game_ + "/mine.atr");
        QCOMPARE(Caption(window), QStringLiteral("Orvik Stroke Editor (%1)").arg(Shown(game_ + "/mine.atr")));
        QCOMPARE(EntriesOf(window, "Combo4"), (QStringList{"Cover drive(slashing shot)", "Unknown"}));
        QCOMPARE(TextsOf(window, {"Combo4", "Combo1", "Combo2", Text2Of::Frame, Text2Of::Power}),
                 (QStringList{"Unknown", "Defensive", "Spinners", "10", "1.5"}));
        QVERIFY(dialogs.messages.empty());
    }

    // Started in the stroke's own folder, by a relative name: the folder is
    // listed all the same, and the stroke is loaded as a pick in the list.
    void startsWithACatalogueStrokePicked() {
        const QString home = QDir::currentPath();
        QVERIFY(QDir::setCurrent(game_));
        Editor started;
        started.window.StartIn("a-Cc021.atr");
        QVERIFY(QDir::setCurrent(home));
        orvik::MainWindow& window = started.window;
        QCOMPARE(Caption(window), QStringLiteral("Orvik Stroke Editor (%1)").arg(Shown(game_ + "/a-Cc021.atr")));
        QCOMPARE(EntriesOf(window, "Combo4"), QStringList{"Cover drive(slashing shot)"});
        QCOMPARE(Find<orvik::DropDownList>(window, "Combo4")->ListIndex(), 0);
        QCOMPARE(TextsOf(window, {Label2Of::FileCount, Label2Of::StrokeName, "Combo1", "Combo2"}),
                 (QStringList{"2 Stroke file(s) found in the directory.", "Cover drive(slashing shot)", "Aggressive",
                              "Fast Bowler"}));
        QVERIFY(started.dialogs.messages.empty());
    }

    // A path that cannot be read leaves the window as it started, with the
    // message a refused Open gives. (What else cannot be read, such as a pipe,
    // is refused by the same read as Open: data_safety_test.)
    void aMissingPathIsToldAndChangesNothing() {
        auto& [folder, dialogs, window] = *editor_;
        const QStringList start = Snapshot(window);
        const QString missing = game_ + "/gone.atr";
        window.StartIn(missing);
        QCOMPARE(Snapshot(window), start);
        CheckOneError(dialogs, Shown(missing), "no such file");
    }

    // Ctrl+S with nothing loaded does nothing; held down in a box, it saves
    // once, with the value being typed (every box: unsaved_edits_test), and
    // leaves the focus there.
    void ctrlSSavesOnceWithTheValueBeingTyped() {
        auto& [folder, dialogs, window] = *editor_;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);  // nothing loaded: Save is disabled
        QVERIFY(dialogs.messages.empty());

        const QString path = editor_->Open("a-Cc031.atr");
        auto* power = Find<QLineEdit>(window, Text2Of::Power);
        power->setFocus();
        QTRY_VERIFY(power->hasFocus());
        power->selectAll();
        QTest::keyClicks(power, "77");
        for (bool repeat : {false, true, true, true})
            QTest::simulateEvent(power, true, Qt::Key_S, Qt::ControlModifier, QString(), repeat);
        QTest::simulateEvent(power, false, Qt::Key_S, Qt::ControlModifier, QString(), false);
        QVERIFY2(FileBytes(path).contains("\r\n Power 77 Range 0.25\r\n"), FileBytes(path).constData());
        QCOMPARE(TakeMessages(dialogs),
                 QStringList{"Saved!: Stroke Saved Successfully to " + Shown(path) + " (Pull)."});
        QCOMPARE(QApplication::focusWidget(), power);
    }

    void screenReadersHearEachControlsName() {
        auto& [folder, dialogs, window] = *editor_;
        auto names = [&](std::initializer_list<const char*> controls) {
            QStringList said;
            for (const char* control : controls) said << AccessibleText(Find(window, control), QAccessible::Name);
            return said;
        };
        QCOMPARE(names({Text2Of::Frame, Text2Of::Power, Text2Of::EdgeProb, Text2Of::PowerRange, Text2Of::DirectionRange,
                        Text2Of::EdgeProb6, "Dir1", Label3Of::Height, Label3Of::Direction, Label2Of::EdgeProb,
                        "Command6", "Command3"}),
                 (QStringList{"Frame no.", "Power", "Nrml. Edge Prb.", "Power Range", "Direction Range",
                              "6-Hit Edge Prb.", "Folder", "Height", "Direction", "Nrml. Edge Prb.",
                              "Reset Changes to Current Stroke", "Save"}));
        // The lists carry their names; where Qt names a list by its entry (Linux),
        // a screen reader finds the caption through the label relation.
        QStringList lists;
        for (const char* list : {"Combo1", "Combo2", "Combo3", "Combo4", "Drive1"}) {
            QWidget* control = Find(window, list);
            const auto labels = QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
            lists << control->accessibleName() + " | " +
                         (labels.isEmpty() ? QString() : labels[0].first->text(QAccessible::Name).trimmed());
        }
        QCOMPARE(lists, (QStringList{"Stroke type | Stroke type", "Stroke Played against | Stroke Played against",
                                     "Result of the shot being played | Result of the shot being played", "Stroke | ",
                                     "Drive | "}));
        editor_->Open("a-Cc024.atr");
        Pick(window, "Combo3", "Early");
        QCOMPARE(names({Label3Of::Height, Label3Of::Direction}),
                 (QStringList{"Height: 23000000", "Direction: 22500000"}));

        // Every control shown says something, but a label with nothing in it.
        for (QWidget* control : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            auto* label = qobject_cast<QLabel*>(control);
            if (control->isHidden() || (label && label->text().isEmpty())) continue;
            QVERIFY2(!AccessibleText(control, QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
        }

        // The previews: named, described, and the mouse goes through to the window.
        for (const auto& [area, name, does] :
             {std::tuple{"TopViewArea", "Top view of the stroke", "direction"},
              std::tuple{"ProjectileViewArea", "Projectile of the stroke", "height"}}) {
            QWidget* preview = Find(window, area);
            QCOMPARE(AccessibleText(preview, QAccessible::Name), QString::fromLatin1(name));
            QVERIFY(AccessibleText(preview, QAccessible::Description)
                        .contains(QStringLiteral("A click starts or stops setting the %1").arg(does)));
            QCOMPARE(window.childAt(preview->geometry().center()), nullptr);
        }
        // Each covers the rectangle in which a click arms it, the one framed while it is armed.
        QCOMPARE(Find(window, "TopViewArea")->geometry(), orvik::ArmedViewFrame(orvik::TopViewRect));
        QCOMPARE(Find(window, "ProjectileViewArea")->geometry(), orvik::ArmedViewFrame(orvik::ProjectileViewRect));
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
