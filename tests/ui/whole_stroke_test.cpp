// The whole stroke at once: every timing in both previews, the Height and
// Direction displays typed into, key frames copied between timings, and the
// previews following every commit.
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <QtTest>

#include "core/key_frame_text.h"
#include "preview/geometry.h"
#include "preview/timing_sketch.h"
#include "support/window_fixture.h"
#include "ui/all_timings_overlay.h"

namespace {

QImage Grab(QWidget& window) { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QColor PixelAt(const QImage& image, orvik::PointF twips) {
    return image.pixelColor(int(twips.x / 15), int(twips.y / 15));
}

// The point `part` of the way from the batsman's point to `end`.
orvik::PointF Along(orvik::PointF end, double part) {
    return {float(orvik::BatsmanX + (end.x - orvik::BatsmanX) * part),
            float(orvik::BatsmanY + (end.y - orvik::BatsmanY) * part)};
}

// Whether the overlay painted `image` at `twips` where `plain` shows no overlay:
// some pixel within a pixel of it is tinted towards the sketch's colour.
bool TintedNear(const QImage& image, const QImage& plain, orvik::PointF twips) {
    const QPoint centre(int(twips.x / 15), int(twips.y / 15));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixel(centre + QPoint(dx, dy)) != plain.pixel(centre + QPoint(dx, dy))) return true;
    return false;
}

bool BlackNear(const QImage& image, orvik::PointF twips) {
    const QPoint centre(int(twips.x / 15), int(twips.y / 15));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixelColor(centre + QPoint(dx, dy)) == Qt::black) return true;
    return false;
}

QString FocusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// The tooltip the window shows over a control.
QString ToolTipOf(QWidget& control) {
    QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), control.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&control, &event);
    return QToolTip::text();
}

}  // namespace

class WholeStrokeTest : public QObject {
    Q_OBJECT
    std::optional<Editor> editor_;

    // The window shown and active, a stroke opened and its Late timing shown.
    void ShowLateTiming() {
        auto& window = editor_->window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        editor_->Open("my21.atr");
        Pick(window, "Combo3", "Late");
    }

private slots:
    void init() { editor_.emplace(); }
    void cleanup() { editor_.reset(); }

    // Each other timing's direction, range edges and arc are painted where
    // the geometry puts them; the shown timing's black lines stay on top.
    void onDrawsTheOtherTimingsWhereTheGeometryPutsThem() {
        auto& [folder, dialogs, window] = *editor_;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        editor_->Open("a-Cc023b.atr", orvik::CleanStroke("0 1 2 3 4"));
        Pick(window, "Combo3", "Perfectly on time");
        const QImage plain = Grab(window);
        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
        const QImage shown = Grab(window);
        SaveScreenshot(window, "all_timings");

        const std::vector<orvik::TimingSketch> others = orvik::OtherTimingSketches(window.Stroke(), 10, 2);
        QCOMPARE(int(others.size()), 9);
        for (const orvik::TimingSketch& sketch : others) {
            const QByteArray name = QByteArray::fromStdString(sketch.Name);
            QVERIFY2(TintedNear(shown, plain, Along(*sketch.Direction, 0.8)), name);
            QVERIFY2(TintedNear(shown, plain, Along(*sketch.RangeEdge1, 0.6)), name);
            QVERIFY2(TintedNear(shown, plain, sketch.Arc[sketch.Arc.size() / 4]), name);
        }
        // Nothing away from them: the field's far left and the sky's far right.
        QCOMPARE(PixelAt(shown, {2280, 5500}), PixelAt(plain, {2280, 5500}));
        QCOMPARE(PixelAt(shown, {4250, 400}), PixelAt(plain, {4250, 400}));
        // The shown direction line (20 degrees) is black over them.
        QVERIFY(BlackNear(shown, Along(orvik::TopViewEndPoint(15000000), 0.5)));
        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);  // and off again
        QCOMPARE(Grab(window), plain);
    }

    // An edit of a timing shows in the overlay once another timing is shown;
    // a load with fewer timings sketches fewer.
    void followsEditsAndLoads() {
        auto& [folder, dialogs, window] = *editor_;
        window.show();
        editor_->Open("my21.atr", orvik::CleanStroke("1"));
        window.ShowAllTimings_Toggled(true);
        Pick(window, "Combo3", "Very Late");
        const QImage before = Grab(window);
        // Late points at 10 degrees; a range of 60 degrees puts an edge at 70,
        // where no timing has a line.
        const orvik::PointF edge = Along(orvik::TopViewEndPoint(52500000), 0.7);
        Pick(window, "Combo3", "Late");
        SetText(window, Text2Of::DirectionRange, "45000000");
        window.Text2_LostFocus(orvik::Box::DirectionRange);
        QCOMPARE(window.PreviewState().Lines.Line1.X2, orvik::TopViewEndPoint(52500000).x);  // at once
        Pick(window, "Combo3", "Very Late");
        const QImage after = Grab(window);
        window.ShowAllTimings_Toggled(false);
        const QImage plain = Grab(window);
        QVERIFY(!TintedNear(before, plain, edge));
        QVERIFY(TintedNear(after, plain, edge));

        // The six-hit Late goes with a load of a stroke without six-hit timings.
        const orvik::PointF sixHitLine = Along(orvik::TopViewEndPoint(37500000), 0.8);  // 50 degrees
        window.ShowAllTimings_Toggled(true);
        QVERIFY(TintedNear(Grab(window), plain, sixHitLine));
        dialogs.answers = {orvik::Answer::Discard};
        editor_->Open("my22.atr", orvik::CleanStroke(""));
        QVERIFY(!TintedNear(Grab(window), plain, sixHitLine));
    }

    // Another timing chosen without an edit: the overlay sketches the one
    // shown before and leaves out the one shown now, as if turned on afresh.
    void followsTheChosenTiming() {
        auto& [folder, dialogs, window] = *editor_;
        window.show();
        editor_->Open("my21.atr");
        window.ShowAllTimings_Toggled(true);
        Grab(window);
        Pick(window, "Combo3", "Late");
        const QImage chosen = Grab(window);
        window.ShowAllTimings_Toggled(false);
        window.ShowAllTimings_Toggled(true);
        QCOMPARE(chosen, Grab(window));
    }

    // Each timing is sketched in a colour of its own, a six-hit one in its
    // timing's colour with a dashed line: the direction straight up, painted
    // alone onto a clear image.
    void eachTimingHasItsColourAndSixHitOnesAreDashed() {
        orvik::StrokeFile stroke = orvik::CleanStroke("1");
        QSet<QRgb> colours;
        for (int k = 0; k <= 5; ++k) {
            stroke.KeyFrames[k].Direction = 0;
            const orvik::TimingSketch sketch = orvik::SketchOfKeyFrame(stroke, k);
            QImage image(orvik::AllTimingsOverlayRect().size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            orvik::PaintAllTimingsOverlay(painter, {sketch});
            painter.end();
            // Down the line, a row at a time: gaps, and the most opaque pixel's colour.
            int gaps = 0;
            QColor strongest(Qt::transparent);
            for (int y = int(sketch.Direction->y / 15) + 8; y < orvik::BatsmanY / 15 - 8; ++y) {
                const QColor left = image.pixelColor(orvik::BatsmanX / 15 - 1, y);
                const QColor right = image.pixelColor(orvik::BatsmanX / 15, y);
                gaps += left.alpha() == 0 && right.alpha() == 0;
                for (const QColor& c : {left, right})
                    if (c.alpha() > strongest.alpha()) strongest = c;
            }
            const QColor expected = orvik::SketchColour(sketch);
            QVERIFY2(std::abs(strongest.red() - expected.red()) + std::abs(strongest.green() - expected.green()) +
                             std::abs(strongest.blue() - expected.blue()) <=
                         12,
                     qPrintable(strongest.name() + " for " + expected.name()));
            QCOMPARE(gaps > 0, k == 5);
            if (k < 5) colours.insert(expected.rgb());
        }
        QCOMPARE(colours.size(), 5);
        QCOMPARE(orvik::SketchColour(orvik::SketchOfKeyFrame(stroke, 5)),
                 orvik::SketchColour(orvik::SketchOfKeyFrame(stroke, 1)));
    }

    // Tab from Frame no. opens Height, then Direction, for typing; Enter, Tab
    // or leaving commits, and the previews follow at once. Values below the
    // mouse's reach are fine. Each typed value is one step of the history
    // (saved as typed: unsaved_edits_test); the tooltips give the values in
    // degrees and height steps.
    void heightAndDirectionAreTypedInPlace() {
        auto& [folder, dialogs, window] = *editor_;
        auto* height = Find<QLineEdit>(window, "HeightBox");
        auto* direction = Find<QLineEdit>(window, "DirectionBox");
        ShowLateTiming();
        QVERIFY(height->isHidden());
        Find(window, Text2Of::Frame)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("HeightBox"));
        QCOMPARE(height->selectedText(), QStringLiteral("21000000"));
        QCOMPARE(height->geometry().center().y(), Find(window, Label3Of::Height)->geometry().center().y());
        QTest::keyClicks(height, "12000000");  // the mouse reaches 18095238 at most
        QTest::keyClick(height, Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("DirectionBox"));
        QVERIFY(height->isHidden());
        QCOMPARE(window.Stroke().KeyFrames[1].Vertical, 12e6);
        QCOMPARE(window.PreviewState().Lines.Line3.Y2, float(orvik::ApexY(12e6)));
        QCOMPARE(direction->selectedText(), QStringLiteral("7500000"));
        QTest::keyClicks(direction, "3.375e7");
        QTest::keyClick(direction, Qt::Key_Return);
        QCOMPARE(window.Stroke().KeyFrames[1].Direction, 33750000.0);
        QCOMPARE(TextsOf(window, {Label3Of::Height, Label3Of::Direction}), (QStringList{"12000000", "33750000"}));
        QCOMPARE(window.PreviewState().Lines.Line4.X2, orvik::TopViewEndPoint(33750000).x);
        QVERIFY(direction->isHidden());

        QCOMPARE(window.Document().Steps(), 2);
        QTest::keyClick(Find(window, Text2Of::Frame), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.Stroke().KeyFrames[1].Direction, 7500000.0);
        QCOMPARE(TextOf(window, Label3Of::Direction), QStringLiteral("7500000"));
        QTest::keyClick(Find(window, Text2Of::Frame), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window.Stroke().KeyFrames[1].Direction, 33750000.0);
        QCOMPARE(ToolTipOf(*Find(window, Label3Of::Direction)).section('\n', 0, 0),
                 QStringLiteral("45 degrees (0 up, growing to the left)"));
        QCOMPARE(ToolTipOf(*Find(window, Label3Of::Height)).section('\n', 0, 0),
                 QStringLiteral("Height step 12 (the side view draws whole steps)"));
    }

    // Shift+Tab goes back through Height to Frame no.; Esc keeps the value.
    void aTypedDisplayGoesBackAndEscKeepsItsValue() {
        auto& [folder, dialogs, window] = *editor_;
        auto* height = Find<QLineEdit>(window, "HeightBox");
        auto* direction = Find<QLineEdit>(window, "DirectionBox");
        ShowLateTiming();
        QTest::mouseDClick(Find(window, Label3Of::Direction), Qt::LeftButton);
        QCOMPARE(FocusName(), QStringLiteral("DirectionBox"));
        QTest::keyClick(direction, Qt::Key_Backtab);
        QCOMPARE(FocusName(), QStringLiteral("HeightBox"));
        QTest::keyClicks(height, "1");
        QTest::keyClick(height, Qt::Key_Escape);
        QCOMPARE(window.Stroke().KeyFrames[1].Vertical, 21e6);
        QCOMPARE(TextOf(window, Label3Of::Height), QStringLiteral("21000000"));
        QTest::mouseDClick(Find(window, Label3Of::Height), Qt::LeftButton);
        QTest::keyClick(height, Qt::Key_Backtab);
        QCOMPARE(FocusName(), QString::fromLatin1(Text2Of::Frame));
        QCOMPARE(window.Document().Steps(), 0);
    }

    // A box opened but not typed into commits nothing when left: a height
    // the mouse set meanwhile stays.
    void aDisplayOpenedButNotTypedIntoKeepsWhatTheMouseSet() {
        auto& [folder, dialogs, window] = *editor_;
        auto* height = Find<QLineEdit>(window, "HeightBox");
        ShowLateTiming();
        QTest::mouseDClick(Find(window, Label3Of::Height), Qt::LeftButton);
        for (bool arm : {true, false}) {
            QCursor::setPos(window.mapToGlobal(QPoint(2000 / 15, 720 / 15)));
            QCoreApplication::processEvents();
            if (!arm) window.Timer1_Timer();
            QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(2000 / 15, 720 / 15));
        }
        QCOMPARE(window.Stroke().KeyFrames[1].Vertical, 58095238.0);
        Find(window, Text2Of::Frame)->setFocus();
        QVERIFY(height->isHidden());
        QCOMPARE(window.Stroke().KeyFrames[1].Vertical, 58095238.0);
    }

    // Text that is no number leaves the key frame as it was and stays in the
    // display, and Save refuses it as it refuses such text in any box.
    void typedTextThatIsNoNumberIsRefusedOnSave() {
        auto& [folder, dialogs, window] = *editor_;
        window.show();
        const QString path = editor_->Open("my21.atr");
        const QByteArray bytes = FileBytes(path);
        QTest::mouseDClick(Find(window, Label3Of::Height), Qt::LeftButton);
        QTest::keyClicks(Find(window, "HeightBox"), "abc");
        QTest::keyClick(Find(window, "HeightBox"), Qt::Key_Enter);
        QCOMPARE(window.Stroke().KeyFrames[0].Vertical, 20e6);
        QCOMPARE(TextOf(window, Label3Of::Height), QStringLiteral("abc"));
        QCOMPARE(ToolTipOf(*Find(window, Label3Of::Height)).section('\n', 0, 1),
                 QStringLiteral("\"abc\" is not a number\nHeight (Very Late) keeps 20000000 until a number is typed."));
        window.Command3_Click();
        const QStringList messages = TakeMessages(dialogs);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("Height (Very Late): \"abc\" is not a number"), qPrintable(messages[0]));
        QCOMPARE(FileBytes(path), bytes);
    }

    // Ctrl+Shift+C copies the shown key frame as the file's own lines and
    // Ctrl+Shift+V pastes it into another timing, six-hit or not, which keeps
    // its tag; other text is refused with a message and changes nothing.
    void keyFramesAreCopiedBetweenTimings() {
        auto& [folder, dialogs, window] = *editor_;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        editor_->Open("my23.atr", orvik::CleanStroke("3 1"));
        QClipboard& clipboard = *QGuiApplication::clipboard();
        Pick(window, "Combo3", "Late");
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(
            clipboard.text(),
            QStringLiteral(" Frame 11\n Vertical 21000000\n Direction 7500000 Range 3750000\n Power 2.5 Range 0.25\n"));

        Pick(window, "Combo3", "Early (6Hit)");
        const int steps = window.Document().Steps();
        Find(window, Text2Of::Power)->setFocus();  // typing in a box: the keys still paste
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        const orvik::KeyFrame& pasted = window.Stroke().KeyFrames[5];
        QCOMPARE(QString::fromStdString(orvik::KeyFrameText(pasted)), clipboard.text());
        QCOMPARE(pasted.KeyFrameTag, std::string("3"));
        QCOMPARE(TextsOf(window, {Text2Of::Frame, Label3Of::Height, Label3Of::Direction, Text2Of::Power,
                                  Text2Of::PowerRange, Text2Of::DirectionRange}),
                 (QStringList{"11", "21000000", "7500000", "2.5", "0.25", "3750000"}));
        QCOMPARE(window.PreviewState().Lines.Line4.X2, orvik::TopViewEndPoint(7500000).x);
        // The paste is one step: undone, the six-hit key frame is as loaded.
        QCOMPARE(window.Document().Steps(), steps + 1);
        window.UndoShortcut_Activated();
        QCOMPARE(orvik::KeyFrameText(window.Stroke().KeyFrames[5]),
                 orvik::KeyFrameText(orvik::CleanStroke("").KeyFrames[5]));
        QCOMPARE(TextOf(window, "Combo3"), QStringLiteral("Early (6Hit)"));
        window.RedoShortcut_Activated();
        QCOMPARE(orvik::KeyFrameText(window.Stroke().KeyFrames[5]), clipboard.text().toStdString());

        // Another key frame's lines (a block copied out of a file reads too: key_frame_text_test).
        clipboard.setText(QString::fromStdString(orvik::KeyFrameText(orvik::CleanStroke("").KeyFrames[6])));
        Pick(window, "Combo3", "Very Early");
        QTest::mouseDClick(Find(window, Label3Of::Height), Qt::LeftButton);  // a height being typed gives way
        QTest::keyClicks(Find(window, "HeightBox"), "5");
        QTest::keyClick(Find(window, "HeightBox"), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Find(window, "HeightBox")->isHidden());
        Find(window, Text2Of::Frame)->setFocus();
        QCOMPARE(orvik::KeyFrameText(window.Stroke().KeyFrames[4]),
                 orvik::KeyFrameText(orvik::CleanStroke("").KeyFrames[6]));

        clipboard.setText(" Frame 1\n Vertical 2\n Power 9,5 Range 15\n");
        const QStringList before = Snapshot(window);
        QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        // The reader's reason for each line: key_frame_text_test.
        const QRegularExpression reason(QStringLiteral(" Line 3 should .*"),
                                        QRegularExpression::DotMatchesEverythingOption);
        QCOMPARE(TakeMessages(dialogs).replaceInStrings(reason, QString()),
                 QStringList{"Paste Key Frame (critical): The clipboard holds no key frame."});
        QCOMPARE(Snapshot(window), before);
    }

    // The menu of either preview holds the checkable "Show all timings" and
    // the key frame's copy and paste; the timing list's menu these two.
    void previewsAndTimingListHaveMenus() {
        auto& [folder, dialogs, window] = *editor_;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        editor_->Open("a-Cc021.atr");
        QStringList seen;
        const auto readMenu = [&] {
            auto* menu = window.findChild<QMenu*>("KeyFrameMenu");
            if (!menu) return;
            QStringList items;
            for (QAction* action : menu->actions())
                items << (action->isSeparator() ? "-"
                                                : action->text() + (action->isChecked() ? " [x]" : "") + " " +
                                                      action->shortcut().toString());
            seen << items.join(", ");
            if (seen.size() == 1) menu->actions().first()->trigger();
            menu->close();
        };
        for (QPoint twips : {QPoint(2000, 800), QPoint(1000, 3000), QPoint(5000, 800)}) {
            QTimer::singleShot(50, readMenu);
            const QPoint at(twips.x() / 15, twips.y() / 15);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
            QApplication::sendEvent(&window, &event);
            QTest::qWait(100);
        }
        QTimer::singleShot(50, readMenu);
        auto* timings = Find(window, "Combo3");
        emit timings->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(seen, (QStringList{
                           "Show all timings Ctrl+T, -, Copy key frame Ctrl+Shift+C, Paste key frame Ctrl+Shift+V",
                           "Show all timings [x] Ctrl+T, -, Copy key frame Ctrl+Shift+C, Paste key frame Ctrl+Shift+V",
                           "Copy key frame Ctrl+Shift+C, Paste key frame Ctrl+Shift+V"}));  // none beside the previews
        QVERIFY(window.ShowsAllTimings());
    }
};

QTEST_MAIN(WholeStrokeTest)
#include "whole_stroke_test.moc"
