// Editing with the pointer on the shown window: the whole road as a user
// drives it. The long edit's memory is measured in bench/ui/long_edit_bench.cpp.
#include <QLineEdit>
#include <QtTest>

#include "support/window_fixture.h"
#include "ui/dir_list.h"

namespace {

// Puts the pointer itself at (x, y) twips of the window (to the pixel); the
// window sees it move there.
void PointAt(QWidget& window, int xTwips, int yTwips) {
    QCursor::setPos(window.mapToGlobal(QPoint(xTwips / 15, yTwips / 15)));
    QCoreApplication::processEvents();
}

// Points at (x, y) twips of the window, lets the timer tick, and clicks.
void PointAndClick(QWidget& window, int xTwips, int yTwips) {
    PointAt(window, xTwips, yTwips);
    QTest::qWait(60);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(xTwips / 15, yTwips / 15));
}

// The user clicks into a box, selects its text and types `text`.
void TypeInto(QWidget& window, const char* name, const char* text) {
    auto* box = Find<QLineEdit>(window, name);
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClicks(box, text);
}

// The user steps down a list with the arrow keys until `entry` shows.
void ArrowTo(QWidget& window, const char* name, const QString& entry) {
    auto* list = Find<QComboBox>(window, name);
    list->setFocus();
    for (int steps = 0; list->currentText() != entry && steps < list->count(); ++steps)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), entry);
}

}  // namespace

class WholeRoadTest : public QObject {
    Q_OBJECT
private slots:
    // The whole road with the mouse and the keyboard only and the window's own
    // 15 ms timer: open the stroke folder in the folder list, pick a stroke,
    // choose a timing, set direction and height with the pointer, type a
    // power, save, and find on disk exactly what the screen showed.
    void editsAStrokeFromTheFolderListToTheSavedFile() {
        // The editor starts in the parent of a copy of the sample strokes.
        QTemporaryDir root;
        const QString strokes = root.filePath("strokes");
        const QDir samples(QStringLiteral(ORVIK_SAMPLES_DIR "/strokes"));
        QVERIFY(QDir().mkpath(strokes));
        // Where names differ in case only, a file system that ignores case keeps the first, a-Cc018.atr.
        for (const QString& name : samples.entryList(QDir::Files, QDir::Name | QDir::Reversed))
            QVERIFY(QFileInfo::exists(strokes + "/" + name) ||
                    QFile::copy(samples.filePath(name), strokes + "/" + name));
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
        QCOMPARE(QDir(dir1->Path()), QDir(root.path()));  // a click only selects
        QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(QDir(dir1->Path()), QDir(strokes));
        QCOMPARE(EntriesOf(window, "Combo4").size(), 26);  // the count message: main_window_test

        // Pick "Pull" with the arrow keys (each stroke passed on the way loads), then "Early".
        ArrowTo(window, "Combo4", QStringLiteral("Pull"));
        const QString file = dir1->Path() + "/a-Cc031.atr";
        ArrowTo(window, "Combo3", QStringLiteral("Early"));

        // A click into a view arms its editing, the pointer sets the value on
        // the timer's ticks, and the next click disarms it.
        PointAndClick(window, 2000, 3000);
        QCOMPARE(window.Mouse().DirectionEditOn, -1);
        QTest::qWait(60);
        // A move over a control is the control's, even with the button held
        // since a press on the window: the ticks write nothing while the
        // pointer is there, and the release there is no click. The pointer
        // last set the direction 133 pixels from the left.
        const QPoint caption = Find(window, Label1Of::Projectile)->geometry().center();
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(130, 190));
        QCursor::setPos(window.mapToGlobal(caption));
        QTest::mouseMove(&window, caption);
        QTest::qWait(60);
        QTest::mouseRelease(&window, Qt::LeftButton, {}, caption);
        QCOMPARE(TextOf(window, Label3Of::Direction), QStringLiteral("10020000"));
        QCOMPARE(window.Mouse().DirectionEditOn, -1);
        PointAndClick(window, 1290, 3210);
        QCOMPARE(window.Mouse().DirectionEditOn, 0);
        QCOMPARE(TextOf(window, Label3Of::Direction), QStringLiteral("33750000"));
        // A double click is one click: the height is armed, not armed and disarmed.
        PointAt(window, 2000, 900);
        // (Through the window handle, as a real double click: press, release, double click, release.)
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(2000 / 15, 900 / 15));
        QCOMPARE(window.Mouse().HeightEditOn, -1);
        PointAndClick(window, 2400, 720);
        QCOMPARE(window.Mouse().HeightEditOn, 0);
        QCOMPARE(TextOf(window, Label3Of::Height), QStringLiteral("58095238"));
        SaveScreenshot(window, QStringLiteral("whole_road_mouse_edit"));

        // Type a frame number and leave the box with Tab, which commits it; type a power and
        // save with a click, which takes the focus from the box and so commits it first.
        TypeInto(window, Text2Of::Frame, "21");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(window.Stroke().KeyFrames[3].Frame, std::int16_t{21});
        TypeInto(window, Text2Of::Power, "77.25");
        QTest::mouseClick(Find(window, "Command3"), Qt::LeftButton);
        QCOMPARE(TakeMessages(dialogs),
                 QStringList{"Saved!: Stroke Saved Successfully to " + QDir::toNativeSeparators(file) + " (Pull)."});

        // The file holds the key frame as the screen shows it.
        const QStringList shown = TextsOf(window, {Label3Of::Direction, Text2Of::DirectionRange, Text2Of::PowerRange});
        const QByteArray saved = FileBytes(file);
        const qsizetype keyFrame = saved.indexOf("Mode Normal KeyFrame 3\r\n");
        QCOMPARE(
            saved.mid(keyFrame, saved.indexOf("\r\n\r\n", keyFrame) - keyFrame),
            QStringLiteral("Mode Normal KeyFrame 3\r\n Frame 21\r\n Vertical 58095238\r\n Direction %1 Range %2\r\n"
                           " Power 77.25 Range %3")
                .arg(shown[0], shown[1], shown[2])
                .toUtf8());
    }
};

QTEST_MAIN(WholeRoadTest)
#include "whole_road_test.moc"
