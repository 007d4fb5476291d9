// The whole road as a user drives it, with the mouse and the keyboard only and
// the window's own 15 ms timer: open the stroke folder in the folder list,
// pick a stroke, choose a timing, set direction and height with the pointer,
// type a power, save, and find on disk exactly what the screen showed.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "core/numbers.h"
#include "core/stroke_reader.h"
#include "preview/geometry.h"
#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/dir_list.h"
#include "ui/drop_down_list.h"
#include "ui/main_window.h"

using orvik::MainWindow;

class WholeRoadTest : public QObject {
    Q_OBJECT
private slots:
    void editsAStrokeFromTheFolderListToTheSavedFile();

private:
    // Moves the pointer to (x, y) twips of the window and lets the timer tick.
    static void PointAt(MainWindow& window, int xTwips, int yTwips) {
        QTest::mouseMove(&window, QPoint(xTwips / 15, yTwips / 15));
        QTest::qWait(60);
    }
    static void ClickAt(MainWindow& window, int xTwips, int yTwips) {
        QTest::mouseMove(&window, QPoint(xTwips / 15, yTwips / 15));
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(xTwips / 15, yTwips / 15));
    }
    // The user steps through a list with the arrow keys until `entry` shows.
    static void ArrowTo(QWidget& window, const char* name, const QString& entry) {
        auto* list = Find<QComboBox>(window, name);
        list->setFocus();
        for (int steps = 0; list->currentText() != entry && steps < list->count(); ++steps)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), entry);
    }
};

void WholeRoadTest::editsAStrokeFromTheFolderListToTheSavedFile() {
    // The game's folder holds a copy of the sample strokes; the editor starts in
    // its parent, as the README's run command starts it in samples/.
    QTemporaryDir root;
    const QString strokes = root.filePath("strokes");
    QVERIFY(QDir().mkpath(strokes));
    const QDir samples(QStringLiteral(ORVIK_SAMPLES_DIR "/strokes"));
    const QStringList sampleFiles = samples.entryList(QDir::Files);
    for (const QString& name : sampleFiles) QVERIFY(QFile::copy(samples.filePath(name), strokes + "/" + name));
    const QString startFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root.path()));

    FakeDialogs dialogs;
    MainWindow window(dialogs);
    QVERIFY(QDir::setCurrent(startFolder));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Open "strokes" in the folder list with a double click.
    auto* dir1 = Find<orvik::DirList>(window, "Dir1");
    const auto found = dir1->findItems(QStringLiteral("strokes"), Qt::MatchEndsWith);
    QCOMPARE(found.size(), 1);
    dir1->scrollToItem(found.first());
    const QPoint item = dir1->visualItemRect(found.first()).center();
    QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, item);
    QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, item);
    QCOMPARE(QDir(dir1->Path()), QDir(strokes));
    const int atrFiles = static_cast<int>(QDir(strokes).entryList({"*.atr"}, QDir::Files).size());
    QCOMPARE(TextOf(window, "Label2(0)"), QStringLiteral("%1 Stroke file(s) found in the directory.").arg(atrFiles));
    QCOMPARE(EntriesOf(window, "Combo4").size(), 26);

    // Pick "Pull" with the arrow keys (each stroke passed on the way loads), then "Early".
    ArrowTo(window, "Combo4", QStringLiteral("Pull"));
    const QString file = dir1->Path() + QDir::separator() + QStringLiteral("a-Cc031.atr");
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvik Stroke Editor (%1)").arg(file));
    QCOMPARE(TextOf(window, "Label2(11)"), QStringLiteral("Pull"));
    ArrowTo(window, "Combo3", QStringLiteral("Early"));
    const int early = 3;

    // A click into the top view arms the direction; the pointer then sets it
    // on the timer's ticks. A second click disarms it.
    ClickAt(window, 2000, 3000);
    QCOMPARE(window.Mouse().DirectionEditOn, -1);
    PointAt(window, 1290, 3210);
    ClickAt(window, 1290, 3210);
    QCOMPARE(window.Mouse().DirectionEditOn, 0);
    const double direction = orvik::DirectionForPointer(1290, 3210);
    QCOMPARE(window.Stroke().KeyFrames[early].Direction, direction);
    QCOMPARE(TextOf(window, "Label3(2)"), QString::fromStdString(orvik::NumberText(direction)));

    // The same in the side view for the height.
    ClickAt(window, 2000, 900);
    QCOMPARE(window.Mouse().HeightEditOn, -1);
    PointAt(window, 2400, 720);
    ClickAt(window, 2400, 720);
    QCOMPARE(window.Mouse().HeightEditOn, 0);
    QCOMPARE(TextOf(window, "Label3(1)"), QStringLiteral("58095238"));
    SaveScreenshot(window, QStringLiteral("whole_road_mouse_edit"));

    // Type a power and leave the box with Tab.
    auto* power = Find<QLineEdit>(window, "Text2(3)");
    QTest::mouseClick(power, Qt::LeftButton);
    power->selectAll();
    QTest::keyClicks(power, "77.25");
    QTest::keyClick(power, Qt::Key_Tab);
    QCOMPARE(window.Stroke().KeyFrames[early].Power, 77.25);

    // Save, and read the file back.
    QTest::mouseClick(Find(window, "Command3"), Qt::LeftButton);
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QCOMPARE(dialogs.messages.back().title, QStringLiteral("Saved!"));
    QCOMPARE(dialogs.messages.back().text, QStringLiteral("Stroke Saved Successfully to %1 (Pull).").arg(file));

    orvik::StrokeFile saved;
    std::ifstream in(QFile::encodeName(file).toStdString(), std::ios::binary);
    orvik::ReadStrokeFile(in, saved);
    const orvik::KeyFrame& frame = saved.KeyFrames[early];
    QCOMPARE(orvik::NumberText(frame.Direction), TextOf(window, "Label3(2)").toStdString());
    QCOMPARE(orvik::NumberText(frame.Vertical), TextOf(window, "Label3(1)").toStdString());
    QCOMPARE(orvik::NumberText(frame.Power), TextOf(window, "Text2(3)").toStdString());
    QCOMPARE(orvik::NumberText(frame.DirectionRange), TextOf(window, "Text2(6)").toStdString());
    QCOMPARE(orvik::NumberText(frame.Frame), TextOf(window, "Text2(0)").toStdString());
    QCOMPARE(saved.Type, TextOf(window, "Combo1").toStdString());
    QCOMPARE(saved.EdgeProb, TextOf(window, "Text2(4)").toStdString());
}

QTEST_MAIN(WholeRoadTest)
#include "whole_road_test.moc"
