// Loading a stroke: Open through the file dialog, Reset, and a file that
// cannot be read, which changes nothing.
#include <QTemporaryDir>
#include <QtTest>

#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

namespace {

// What a load shows: caption, current file, every control's text, entries and
// state, the top view, and some of the record.
QStringList Snapshot(orvik::MainWindow& window) {
    QStringList state{window.windowTitle(), window.FileDialog().FileName(), QString::number(window.LineNamed("Line4")->X2),
                      QString::number(window.Stroke().KeyFrames[5].Power) + QString::fromStdString(window.Stroke().Type)};
    for (QWidget* control : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const auto* list = qobject_cast<orvik::DropDownList*>(control);  // not Drive1: volumes come and go
        state << control->objectName() + QString::number(control->isEnabled()) + control->property("text").toString() +
                     (list ? list->currentText() + "|" + EntriesOf(window, qPrintable(control->objectName())).join('|') : "");
    }
    return state;
}

}  // namespace

class MainWindowLoadTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;

private slots:
    void opensAFileAndFillsTheWindow_data() {
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<QStringList>("sixHitEntries");
        QTest::newRow("none") << QStringList{} << QStringList{};
        QTest::newRow("two") << QStringList{"0", "2"} << QStringList{"Very Late (6Hit)", "Perfect (6Hit)"};
        QTest::newRow("five") << QStringList{"0", "1", "2", "3", "4"}
                              << QStringList{"Very Late (6Hit)", "Late (6Hit)", "Perfect (6Hit)", "Early (6Hit)", "Very Early (6Hit)"};
        QTest::newRow("reversed") << QStringList{"4", "3", "2", "1", "0"}
                                  << QStringList{"Very Early (6Hit)", "Early (6Hit)", "Perfect (6Hit)", "Late (6Hit)", "Very Late (6Hit)"};
    }

    void opensAFileAndFillsTheWindow() {
        QFETCH(QStringList, tags);
        QFETCH(QStringList, sixHitEntries);
        std::vector<std::string> sixHitTags;
        for (const QString& tag : tags) sixHitTags.push_back(tag.toStdString());
        const QString path = WriteStroke(folder_.filePath("my18.atr"), SampleStroke(sixHitTags), "Moderate", 9);
        FakeDialogs dialogs;
        orvik::MainWindow window(dialogs);
        const QStringList start = Snapshot(window);
        window.Command2_Click();  // cancelled: nothing changes
        QCOMPARE(Snapshot(window), start);

        dialogs.openAnswers = {path, path};
        window.Command2_Click();
        QCOMPARE(window.windowTitle(), QStringLiteral("Orvik Stroke Editor (%1)").arg(path));
        QVERIFY(Find(window, "Command3")->isEnabled() && !Find(window, "Command6")->isEnabled());
        const QStringList timings = QStringList{"Very Late", "Late", "Perfectly on time", "Early", "Very Early"} + sixHitEntries;
        QCOMPARE(EntriesOf(window, "Combo3"), timings);
        QCOMPARE(TextsOf(window, {"Combo3", "Label2(11)", "Combo1", "Combo2", "Text2(0)", "Label3(1)", "Text2(1)", "Label3(2)",
                                  "Text2(3)", "Text2(4)", "Text2(5)", "Text2(6)", "Text2(7)"}),
                 (QStringList{"Very Late", "Forward Defence2", "Moderate", "Fast and Swing bowlers", "10", "20000000",
                              "20000000", "0", "1.5", "0.1", "0.25", "3750000", "0.2"}));  // "...18.atr": Forward Defence2
        QCOMPARE(window.LineNamed("Line3")->Y2, 320.0f);  // the apex for 20000000

        window.Command2_Click();  // each Open adds the name again, selected from code
        QCOMPARE(EntriesOf(window, "Combo4"), (QStringList{"Forward Defence2", "Forward Defence2"}));
        QCOMPARE(TextOf(window, "Combo4"), QStringLiteral("Forward Defence2"));
        QCOMPARE(EntriesOf(window, "Combo3"), timings);
        QVERIFY(dialogs.messages.empty());
        if (QTest::currentDataTag() == QByteArray("five")) {
            window.show();
            SaveScreenshot(window, QStringLiteral("main_loaded_six_hit"));
        }
    }

    void resetDropsEditsAndUnreadableFilesChangeNothing() {
        const QString path = WriteStroke(folder_.filePath("a-Cc021.atr"), SampleStroke({"3"}));
        QVERIFY(QDir(folder_.path()).mkdir("a-Cc019.atr"));
        const QString named[] = {folder_.filePath("a-Cc018.atr"), folder_.filePath("a-Cc019.atr"), path};
        FakeDialogs dialogs;
        orvik::MainWindow window(dialogs);
        dialogs.openAnswers = {path, named[0], named[1]};
        window.Command2_Click();
        window.Command6_Click();  // Reset enables itself, which Open does not
        QVERIFY(Find(window, "Command6")->isEnabled());
        const QStringList loaded = Snapshot(window);
        window.Command2_Click();  // missing
        window.Command2_Click();  // a folder
        QCOMPARE(Snapshot(window), loaded);

        Pick(window, "Combo3", "Early (6Hit)");
        SetText(window, "Text2(3)", "99");
        SetText(window, "Text2(4)", "0.9");
        window.Text2_LostFocus(3);
        Pick(window, "Combo1", "Aggressive");
        QCOMPARE(window.Stroke().KeyFrames[5].Power, 99.0);
        window.Command6_Click();
        QCOMPARE(Snapshot(window), loaded);

        QVERIFY(QFile::remove(path));
        window.Command6_Click();  // gone since it was loaded
        QCOMPARE(Snapshot(window), loaded);
        QCOMPARE(dialogs.messages.size(), std::size_t{3});
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(dialogs.messages[i].text.contains(named[i]), qPrintable(dialogs.messages[i].text));
            QCOMPARE(dialogs.messages[i].icon, orvik::MessageIcon::Critical);
        }
    }
};

QTEST_MAIN(MainWindowLoadTest)
#include "main_window_load_test.moc"
