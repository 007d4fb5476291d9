// Loading a stroke: Open through the file dialog, Reset, and a file that
// cannot be read, which changes nothing.
#include <QTemporaryDir>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

using orvik::MainWindow;

namespace {

const QStringList NormalTimings{"Very Late", "Late", "Perfectly on time", "Early", "Very Early"};

// What a load shows: caption, file name, buttons, fields, lists and the record's key frame 5.
QStringList Snapshot(MainWindow& window) {
    QStringList state{window.windowTitle(), window.FileDialog().FileName(),
                      QString::number(Find(window, "Command3")->isEnabled()),
                      QString::number(Find(window, "Command6")->isEnabled())};
    for (const char* name : {"Combo1", "Combo2", "Combo3", "Combo4", "Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)",
                             "Text2(4)", "Text2(5)", "Text2(6)", "Text2(7)", "Label3(1)", "Label3(2)", "Label2(11)"})
        state << TextOf(window, name);
    const orvik::KeyFrame& frame = window.Stroke().KeyFrames[5];
    return state << EntriesOf(window, "Combo3") << EntriesOf(window, "Combo4") << QString::number(frame.Power)
                 << QString::fromStdString(frame.KeyFrameTag + window.Stroke().Type);
}

}  // namespace

class MainWindowLoadTest : public QObject {
    Q_OBJECT
private slots:
    void opensAFileAndFillsTheWindow_data();
    void opensAFileAndFillsTheWindow();
    void resetDropsTheEdits();
    void aFileThatCannotBeReadChangesNothing();
};

void MainWindowLoadTest::opensAFileAndFillsTheWindow_data() {
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QStringList>("sixHitEntries");
    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("two") << QStringList{"0", "2"} << QStringList{"Very Late (6Hit)", "Perfect (6Hit)"};
    QTest::newRow("five") << QStringList{"0", "1", "2", "3", "4"}
                          << QStringList{"Very Late (6Hit)", "Late (6Hit)", "Perfect (6Hit)", "Early (6Hit)", "Very Early (6Hit)"};
    QTest::newRow("reversed") << QStringList{"4", "3", "2", "1", "0"}
                              << QStringList{"Very Early (6Hit)", "Early (6Hit)", "Perfect (6Hit)", "Late (6Hit)", "Very Late (6Hit)"};
}

void MainWindowLoadTest::opensAFileAndFillsTheWindow() {
    QFETCH(QStringList, tags);
    QFETCH(QStringList, sixHitEntries);
    QTemporaryDir folder;
    std::vector<std::string> sixHitTags;
    for (const QString& tag : tags) sixHitTags.push_back(tag.toStdString());
    const QString path = WriteStroke(folder.filePath("my18.atr"), SampleStroke(sixHitTags), "Moderate", 9);
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    const QStringList start = Snapshot(window);
    window.Command2_Click();  // cancelled: nothing changes
    QCOMPARE(Snapshot(window), start);

    dialogs.openAnswers = {path, path};
    window.Command2_Click();
    QCOMPARE(dialogs.openTitle, QStringLiteral("Open Orvik Stroke file"));
    QCOMPARE(dialogs.openFilter, QStringLiteral("Orvik Stroke files (*.atr);;All Files (*.*)"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvik Stroke Editor (%1)").arg(path));
    QVERIFY(Find(window, "Command3")->isEnabled() && !Find(window, "Command6")->isEnabled());
    QCOMPARE(EntriesOf(window, "Combo3"), NormalTimings + sixHitEntries);
    QCOMPARE(TextOf(window, "Combo3"), QStringLiteral("Very Late"));
    QCOMPARE(TextOf(window, "Label2(11)"), QStringLiteral("Forward Defence2"));  // "...18.atr"
    QCOMPARE(TextOf(window, "Combo1"), QStringLiteral("Moderate"));
    QCOMPARE(TextOf(window, "Combo2"), QStringLiteral("Fast and Swing bowlers"));
    QStringList fields;
    for (const char* name : {"Text2(0)", "Label3(1)", "Text2(1)", "Label3(2)", "Text2(3)", "Text2(4)", "Text2(5)", "Text2(6)", "Text2(7)"})
        fields << TextOf(window, name);
    QCOMPARE(fields, (QStringList{"10", "20000000", "20000000", "0", "1.5", "0.1", "0.25", "3750000", "0.2"}));
    // Key frame 0 points straight up; its arc peaks 40 twips above ApexY(20000000) = 320.
    QCOMPARE(window.LineNamed("Line3")->Y2, 320.0f);
    QCOMPARE(window.PreviewState().StrokeLength, 1920);
    QCOMPARE(window.Arc().ColourAt(3240, 281), QColor(Qt::black));

    window.Command2_Click();  // each Open adds the name again, selected from code
    QCOMPARE(EntriesOf(window, "Combo4"), (QStringList{"Forward Defence2", "Forward Defence2"}));
    QCOMPARE(TextOf(window, "Combo4"), QStringLiteral("Forward Defence2"));
    QCOMPARE(EntriesOf(window, "Combo3"), NormalTimings + sixHitEntries);
    QVERIFY(dialogs.messages.empty());
    if (tags.size() == 5) {
        window.show();
        SaveScreenshot(window, QStringLiteral("main_loaded_six_hit"));
    }
}

void MainWindowLoadTest::resetDropsTheEdits() {
    QTemporaryDir folder;
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {WriteStroke(folder.filePath("a-Cc021.atr"), SampleStroke({"3"}))};
    window.Command2_Click();
    QStringList loaded = Snapshot(window);

    Pick(window, "Combo3", "Early (6Hit)");
    SetText(window, "Text2(3)", "99");
    SetText(window, "Text2(4)", "0.9");
    window.Text2_LostFocus(3);
    Pick(window, "Combo1", "Aggressive");
    QCOMPARE(window.Stroke().KeyFrames[5].Power, 99.0);

    window.Command6_Click();
    loaded[3] = "1";  // Reset enables itself; Open did not
    QCOMPARE(Snapshot(window), loaded);
    QCOMPARE(window.Stroke().KeyFrames[5].Power, 6.5);
}

void MainWindowLoadTest::aFileThatCannotBeReadChangesNothing() {
    QTemporaryDir folder;
    const QString path = WriteStroke(folder.filePath("a-Cc017c.atr"), SampleStroke({"0", "1"}));
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {path};
    window.Command2_Click();
    Pick(window, "Combo3", "Late (6Hit)");
    const QStringList before = Snapshot(window);
    const float line4X2 = window.LineNamed("Line4")->X2;

    QVERIFY(QDir(folder.path()).mkdir("a-Cc019.atr"));
    dialogs.openAnswers = {folder.filePath("a-Cc018.atr"), folder.filePath("a-Cc019.atr")};
    window.Command2_Click();  // missing
    window.Command2_Click();  // a folder
    QVERIFY(QFile::remove(path));
    window.Command6_Click();  // gone since it was loaded

    QCOMPARE(dialogs.messages.size(), std::size_t{3});
    QVERIFY(dialogs.messages[0].text.contains(folder.filePath("a-Cc018.atr")));
    QVERIFY(dialogs.messages[1].text.contains(QStringLiteral("folder")));
    QVERIFY(dialogs.messages[2].text.contains(path));
    QCOMPARE(dialogs.messages[2].icon, orvik::MessageIcon::Critical);
    QCOMPARE(Snapshot(window), before);
    QCOMPARE(window.LineNamed("Line4")->X2, line4X2);
}

QTEST_MAIN(MainWindowLoadTest)
#include "main_window_load_test.moc"
