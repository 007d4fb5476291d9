// A long edit: both mouse edits armed and the pointer moving for 20,000 timer
// ticks, alternating between the top view and the projectile view on a path
// that passes the batsman's point and the rectangles' edges and corners. Every
// tick's key frame value follows the pointer, and the memory in use after the
// last tick is what it was after the first 1,000 (within MemoryMargin), so a
// tick keeps nothing that grows.
//
// Memory: in the normal build the resident set of the process. Under
// AddressSanitizer freed blocks wait in its quarantine (up to 256 MiB) before
// they are reused, so the resident set grows by design there; the sanitizer
// build compares the bytes the program holds allocated instead, and its leak
// check at exit covers the rest.
#include <unistd.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <fstream>
#include <string>

#include "core/numbers.h"
#include "preview/geometry.h"
#include "preview/mouse_editing.h"
#include "support/fake_dialogs.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"

#if defined(__SANITIZE_ADDRESS__)
#define ORVIK_SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVIK_SOAK_UNDER_ASAN 1
#endif
#endif
#ifdef ORVIK_SOAK_UNDER_ASAN
// The sanitizer runtime's count of the bytes allocated and not yet freed
// (declared here: GCC does not install the sanitizer headers).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using orvik::MainWindow;

namespace {

// The user picks the entry with this text in a list (as Qt's list does on a
// click: select, then report the activation).
void PickEntry(QWidget& window, const char* name, const QString& entry) {
    auto* list = Find<QComboBox>(window, name);
    const int index = list->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

constexpr int Ticks = 20000;
constexpr int BaselineTick = 1000;
constexpr int RepaintEvery = 10;  // ticks between two turns of the event loop
constexpr long long MemoryMargin = 8ll << 20;

long long ResidentSetBytes() {
    std::ifstream statm("/proc/self/statm");
    long long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// The memory measure described above, in bytes.
long long MemoryInUse() {
#ifdef ORVIK_SOAK_UNDER_ASAN
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    return ResidentSetBytes();
#endif
}

const char* MemoryMeasureName() {
#ifdef ORVIK_SOAK_UNDER_ASAN
    return "allocated heap";
#else
    return "resident set";
#endif
}

struct Point {
    int x, y;
};

// Points the path visits again and again: the batsman's point (no angle can
// be formed there), the reference line straight up and down, and the corners
// and edge middles of both rectangles, bounds included.
constexpr Point TopViewMarks[] = {{2280, 4200}, {2280, 2280}, {2280, 6240}, {360, 2280},  {4320, 2280}, {360, 6240},
                                  {4320, 6240}, {360, 4200},  {4320, 4200}, {2281, 4200}, {2279, 4199}, {2280, 5000}};
constexpr Point ProjectileViewMarks[] = {{300, 300},  {4320, 300},  {300, 1680},  {4320, 1680},
                                         {2280, 300}, {2280, 1540}, {2280, 1680}, {300, 990}};

// A smooth path over the whole rectangle, with a mark every 7th visit.
Point PathPoint(int n, const orvik::TwipRect& rect, const Point* marks, int markCount, double fx, double fy) {
    if (n % 7 == 0) return marks[(n / 7) % markCount];
    const double cx = (rect.Left + rect.Right) / 2.0, cy = (rect.Top + rect.Bottom) / 2.0;
    const double rx = (rect.Right - rect.Left) / 2.0, ry = (rect.Bottom - rect.Top) / 2.0;
    // Slightly more than the half size, clamped: the path runs along the edges
    // for a while on each pass.
    const double x = std::clamp(cx + 1.05 * rx * std::sin(fx * n), double(rect.Left), double(rect.Right));
    const double y = std::clamp(cy + 1.05 * ry * std::sin(fy * n + 0.7), double(rect.Top), double(rect.Bottom));
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

// The last two points are fixed so that the end state has known values.
constexpr Point LastTopViewPoint{1280, 3200};  // 45 degrees left
constexpr Point LastProjectilePoint{2000, 720};

Point PointForTick(int tick) {
    const bool topView = tick % 2 == 0;
    if (tick >= Ticks - 2) return topView ? LastTopViewPoint : LastProjectilePoint;
    const int n = tick / 2;
    return topView ? PathPoint(n, orvik::TopViewRect, TopViewMarks, static_cast<int>(std::size(TopViewMarks)), 0.0131,
                               0.0217)
                   : PathPoint(n, orvik::ProjectileViewRect, ProjectileViewMarks,
                               static_cast<int>(std::size(ProjectileViewMarks)), 0.0173, 0.0291);
}

// Counts the paint events of the window it watches.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

QString NumberQText(double value) { return QString::fromStdString(orvik::NumberText(value)); }

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void bothEditsFollowThePointerForTwentyThousandTicks();
};

void SoakTest::bothEditsFollowThePointerForTwentyThousandTicks() {
    QTemporaryDir folder;
    const QString path = folder.filePath("a-Cc031.atr");
    QVERIFY(QFile::copy(QStringLiteral(ORVIK_SAMPLES_DIR "/strokes/a-Cc031.atr"), path));
    FakeDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.openAnswers = {path};
    window.Command2_Click();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Find<QTimer>(window, "Timer1")->stop();  // the ticks below are the test's own

    constexpr int k = 2;  // "Perfectly on time"
    PickEntry(window, "Combo3", QStringLiteral("Perfectly on time"));
    const orvik::StrokeFile loaded = window.Stroke();

    // Arm both edits by clicks on the window's surface (15 twips a pixel).
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(152, 200));  // (2280, 3000): top view
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(133, 60));   // (1995, 900): projectile view
    QCOMPARE(window.Mouse().DirectionEditOn, -1);
    QCOMPARE(window.Mouse().HeightEditOn, -1);

    const orvik::KeyFrame& frame = window.Stroke().KeyFrames[k];
    PaintCounter painted;
    window.installEventFilter(&painted);
    long long baseline = 0, baselineResident = 0;
    QElapsedTimer clock;
    clock.start();
    for (int tick = 0; tick < Ticks; ++tick) {
        const Point p = PointForTick(tick);
        window.Form_MouseMove(static_cast<float>(p.x), static_cast<float>(p.y));
        window.Timer1_Timer();
        if (tick % 2 == 0) {
            if (frame.Direction != orvik::DirectionForPointer(p.x, p.y) || window.LineNamed("Line4")->X2 != p.x ||
                window.LineNamed("Line4")->Y2 != p.y)
                QFAIL(qPrintable(QStringLiteral("tick %1 at (%2, %3): Direction %4")
                                     .arg(tick)
                                     .arg(p.x)
                                     .arg(p.y)
                                     .arg(frame.Direction)));
        } else if (frame.Vertical != orvik::VerticalForApexY(static_cast<float>(p.y))) {
            QFAIL(qPrintable(
                QStringLiteral("tick %1 at (%2, %3): Vertical %4").arg(tick).arg(p.x).arg(p.y).arg(frame.Vertical)));
        }
        if (tick % RepaintEvery == 0) QCoreApplication::processEvents();
        if (tick + 1 == BaselineTick) {
            baseline = MemoryInUse();
            baselineResident = ResidentSetBytes();
        }
    }
    QCoreApplication::processEvents();
    const long long end = MemoryInUse();
    window.removeEventFilter(&painted);
    qInfo(
        "%d ticks and %d repaints in %lld ms; %s %.1f MiB after %d ticks, %.1f MiB after the last "
        "(resident set %.1f MiB, %.1f MiB)",
        Ticks, painted.paints, static_cast<long long>(clock.elapsed()), MemoryMeasureName(), baseline / 1048576.0,
        BaselineTick, end / 1048576.0, baselineResident / 1048576.0, ResidentSetBytes() / 1048576.0);
    // The window repainted on (nearly) every turn of the event loop.
    QVERIFY(painted.paints >= Ticks / RepaintEvery / 2);

    // The end state: the last pointer positions, in the key frame and its displays.
    QCOMPARE(frame.Direction, 33750000.0);
    QCOMPARE(frame.Vertical, 58095238.0);
    QCOMPARE(TextOf(window, "Text2(2)"), QStringLiteral("33750000"));
    QCOMPARE(TextOf(window, "Label3(2)"), QStringLiteral("33750000"));
    QCOMPARE(TextOf(window, "Text2(1)"), QStringLiteral("58095238"));
    QCOMPARE(TextOf(window, "Label3(1)"), QStringLiteral("58095238"));
    QCOMPARE(window.LineNamed("Line4")->X2, 1280.0f);
    QCOMPARE(window.LineNamed("Line4")->Y2, 3200.0f);
    QCOMPARE(window.LineNamed("Line3")->Y2, 720.0f);
    // The range comes from its box and the other values of the key frame and
    // the other key frames are untouched.
    QCOMPARE(frame.DirectionRange, loaded.KeyFrames[k].DirectionRange);
    QCOMPARE(TextOf(window, "Text2(6)"), NumberQText(loaded.KeyFrames[k].DirectionRange));
    QCOMPARE(frame.Power, loaded.KeyFrames[k].Power);
    QCOMPARE(frame.Frame, loaded.KeyFrames[k].Frame);
    for (int other = 0; other < orvik::KeyFrameCount; ++other) {
        if (other == k) continue;
        QCOMPARE(window.Stroke().KeyFrames[other].Direction, loaded.KeyFrames[other].Direction);
        QCOMPARE(window.Stroke().KeyFrames[other].Vertical, loaded.KeyFrames[other].Vertical);
    }
    QVERIFY(dialogs.messages.empty());

    QVERIFY2(end - baseline <= MemoryMargin,
             qPrintable(QStringLiteral("%1 grew by %2 bytes between tick %3 and tick %4")
                            .arg(QLatin1String(MemoryMeasureName()))
                            .arg(end - baseline)
                            .arg(BaselineTick)
                            .arg(Ticks)));
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
