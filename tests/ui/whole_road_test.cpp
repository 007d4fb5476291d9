// The whole road as a user drives it, with the mouse and the keyboard only and
// the window's own 15 ms timer: open the stroke folder in the folder list,
// pick a stroke, choose a timing, set direction and height with the pointer,
// type a power, save, and find on disk exactly what the screen showed.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "core/numbers.h"
#include "preview/geometry.h"
#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/dir_list.h"
#include "ui/main_window.h"

namespace {

// Points at (x, y) twips of the window, lets the timer tick, and clicks.
void PointAndClick(QWidget& window, int xTwips, int yTwips) {
    QTest::mouseMove(&window, QPoint(xTwips / 15, yTwips / 15));
    QTest::qWait(60);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(xTwips / 15, yTwips / 15));
}

// The user steps down a list with the arrow keys until `entry` shows.
void ArrowTo(QWidget& window, const char* name, const QString& entry) {
    auto* list = Find<QComboBox>(window, name);
    list->setFocus();
    for (int steps = 0; list->currentText() != entry && steps < list->count(); ++steps) QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), entry);
}

}  // namespace

class WholeRoadTest : public QObject {
    Q_OBJECT
private slots:
    void editsAStrokeFromTheFolderListToTheSavedFile() {
        // The editor starts in the parent of a copy of the sample strokes.
        QTemporaryDir root;
        const QString strokes = root.filePath("strokes");
        const QDir samples(QStringLiteral(ORVIK_SAMPLES_DIR "/strokes"));
        QVERIFY(QDir().mkpath(strokes));
        for (const QString& name : samples.entryList(QDir::Files)) QVERIFY(QFile::copy(samples.filePath(name), strokes + "/" + name));
        const QString startFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root.path()));
        FakeDialogs dialogs;
        orvik::MainWindow window(dialogs);
        QVERIFY(QDir::setCurrent(startFolder));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Open "strokes" in the folder list with a double click (a click, then the double click).
        auto* dir1 = Find<orvik::DirList>(window, "Dir1");
        QListWidgetItem* item = dir1->findItems(QStringLiteral("strokes"), Qt::MatchExactly).value(0);
        QVERIFY(item);
        dir1->scrollToItem(item);
        const QPoint centre = dir1->visualItemRect(item).center();
        QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(QDir(dir1->Path()), QDir(strokes));
        const auto atrFiles = QDir(strokes).entryList({"*.atr"}, QDir::Files).size();
        QCOMPARE(TextOf(window, "Label2(0)"), QStringLiteral("%1 Stroke file(s) found in the directory.").arg(atrFiles));
        QCOMPARE(EntriesOf(window, "Combo4").size(), 26);

        // Pick "Pull" with the arrow keys (each stroke passed on the way loads), then "Early".
        ArrowTo(window, "Combo4", QStringLiteral("Pull"));
        const QString file = dir1->Path() + "/a-Cc031.atr";
        ArrowTo(window, "Combo3", QStringLiteral("Early"));

        // A click into a view arms its editing, the pointer sets the value on
        // the timer's ticks, and the next click disarms it.
        PointAndClick(window, 2000, 3000);
        QCOMPARE(window.Mouse().DirectionEditOn, -1);
        PointAndClick(window, 1290, 3210);
        QCOMPARE(window.Mouse().DirectionEditOn, 0);
        QCOMPARE(TextOf(window, "Label3(2)"), QString::fromStdString(orvik::NumberText(orvik::DirectionForPointer(1290, 3210))));
        PointAndClick(window, 2000, 900);
        QCOMPARE(window.Mouse().HeightEditOn, -1);
        PointAndClick(window, 2400, 720);
        QCOMPARE(window.Mouse().HeightEditOn, 0);
        QCOMPARE(TextOf(window, "Label3(1)"), QStringLiteral("58095238"));
        SaveScreenshot(window, QStringLiteral("whole_road_mouse_edit"));

        // Type a power, leave the box with Tab, and save.
        auto* power = Find<QLineEdit>(window, "Text2(3)");
        QTest::mouseClick(power, Qt::LeftButton);
        power->selectAll();
        QTest::keyClicks(power, "77.25");
        QTest::keyClick(power, Qt::Key_Tab);
        QTest::mouseClick(Find(window, "Command3"), Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Stroke Saved Successfully to %1 (Pull).").arg(file));

        // The file holds the key frame as the screen shows it.
        const QStringList shown = TextsOf(window, {"Text2(0)", "Label3(2)", "Text2(6)", "Text2(5)"});
        QVERIFY(FileBytes(file).contains(QStringLiteral("Mode Normal KeyFrame 3\r\n Frame %1\r\n Vertical 58095238\r\n Direction %2 "
                                                        "Range %3\r\n Power 77.25 Range %4\r\n")
                                             .arg(shown[0], shown[1], shown[2], shown[3])
                                             .toUtf8()));
    }
};

QTEST_MAIN(WholeRoadTest)
#include "whole_road_test.moc"
