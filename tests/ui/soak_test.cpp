// A long edit: both mouse edits armed and the pointer moving for 20,000 timer
// ticks over the top view and the projectile view in turn. At the end the key
// frame follows the pointer, and the memory in use is what it was after 1,000
// ticks (within MemoryMargin): a tick keeps nothing that grows.
//
// Memory: the resident set in the normal build. Under AddressSanitizer freed
// blocks wait in its quarantine (up to 256 MiB) before they are reused, so the
// resident set grows by design there; that build compares the bytes held
// allocated instead, and its leak check at exit covers the rest.
#include <unistd.h>

#include <QtTest>

#include "preview/mouse_editing.h"
#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

#ifndef __has_feature
#define __has_feature(feature) 0  // GCC before 14
#endif

namespace {

constexpr int Ticks = 20000, BaselineTick = 1000;
constexpr long long MemoryMargin = 8ll << 20;

#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();  // GCC installs no sanitizer headers
long long MemoryInUse() { return static_cast<long long>(__sanitizer_get_current_allocated_bytes()); }
#else
long long MemoryInUse() {  // the resident set
    return FileBytes("/proc/self/statm").split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}
#endif

// Even ticks point into the top view, odd ones into the projectile view: every
// 5th time at a mark (the batsman's point, where no angle forms, straight up,
// down and sideways, corners), else on a sweep over the whole view, bounds
// included. The last two points are fixed, for known end values.
QPoint PointForTick(int tick) {
    static const QPoint marks[2][6] = {
        {{2280, 4200}, {2280, 2280}, {2280, 6240}, {360, 4200}, {4320, 6240}, {2279, 4199}},
        {{300, 300}, {4320, 1680}, {2280, 1680}, {2280, 1540}, {300, 990}, {4320, 300}}};
    if (tick >= Ticks - 2) return tick % 2 ? QPoint(2000, 720) : QPoint(1280, 3200);
    const orvik::TwipRect& r = tick % 2 ? orvik::ProjectileViewRect : orvik::TopViewRect;
    const int n = tick / 2;
    if (n % 5 == 0) return marks[tick % 2][n / 5 % 6];
    return {r.Left + n * 97 % (r.Right - r.Left + 1), r.Top + n * 61 % (r.Bottom - r.Top + 1)};
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void bothEditsFollowThePointerForTwentyThousandTicks();
};

void SoakTest::bothEditsFollowThePointerForTwentyThousandTicks() {
    QTemporaryDir folder;
    FakeDialogs dialogs;
    orvik::MainWindow window(dialogs);
    dialogs.openAnswers = {WriteStroke(folder.filePath("a-Cc031.atr"), SampleStroke({}))};
    window.Command2_Click();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Find<QTimer>(window, "Timer1")->stop();  // the ticks below are the test's own
    // Both edits armed by clicks on the window (15 twips a pixel), on key frame 0.
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(152, 200));  // (2280, 3000): top view
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(133, 60));   // (1995, 900): projectile view
    long long baseline = 0;
    for (int tick = 0; tick < Ticks; ++tick) {
        const QPoint p = PointForTick(tick);
        window.Form_MouseMove(float(p.x()), float(p.y()));
        window.Timer1_Timer();
        if (tick % 10 == 0) QCoreApplication::processEvents();  // repaints
        if (tick + 1 == BaselineTick) baseline = MemoryInUse();
    }
    QCoreApplication::processEvents();
    QVERIFY(baseline > 0);
    const long long grown = MemoryInUse() - baseline;

    // 45 degrees left in the top view, and the height of the last point.
    const orvik::KeyFrame& frame = window.Stroke().KeyFrames[0];
    QVERIFY(frame.Direction == 33750000.0 && frame.Vertical == 58095238.0);
    for (const char* shown : {"Text2(2)", "Label3(2)"}) QCOMPARE(TextOf(window, shown), QStringLiteral("33750000"));
    for (const char* shown : {"Text2(1)", "Label3(1)"}) QCOMPARE(TextOf(window, shown), QStringLiteral("58095238"));
    const orvik::PreviewLines& lines = window.PreviewState().Lines;
    QVERIFY(lines.Line4.X2 == 1280.0f && lines.Line4.Y2 == 3200.0f && lines.Line3.Y2 == 720.0f);
    QVERIFY2(grown <= MemoryMargin, qPrintable(QStringLiteral("the memory in use grew by %1 bytes").arg(grown)));
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
