// A long mouse edit: both edits armed and the pointer moving for 20,000 timer
// ticks over the top view and the projectile view in turn, each tick followed
// by a pass of the event loop every tenth tick (the repaints). The counters
// give the resident set after 1,000 ticks and how much it grew by the end: a
// tick should keep nothing that grows.
#include <benchmark/benchmark.h>
#ifdef __unix__
#include <unistd.h>
#endif

#include <QCoreApplication>
#include <QCursor>
#include <QFile>

#include "bench/ui/window_support.h"
#include "preview/mouse_editing.h"
#include "ui/main_window.h"

namespace orvik::bench {
namespace {

constexpr int Ticks = 20000, BaselineTick = 1000;

// The resident set in bytes; 0 where /proc is missing.
double ResidentBytes() {
#ifdef __unix__
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    return statm.readAll().split(' ').value(1).toDouble() * double(sysconf(_SC_PAGESIZE));
#else
    return 0;
#endif
}

// Even ticks point into the top view, odd ones into the projectile view: every
// 5th time at a mark (the batsman's point, where no angle forms, straight up,
// down and sideways, corners), else on a sweep over the whole view, bounds
// included.
QPoint PointForTick(int tick) {
    static const QPoint marks[2][6] = {
        {{2280, 4200}, {2280, 2280}, {2280, 6240}, {360, 4200}, {4320, 6240}, {2279, 4199}},
        {{300, 300}, {4320, 1680}, {2280, 1680}, {2280, 1540}, {300, 990}, {4320, 300}}};
    const TwipRect& r = tick % 2 ? ProjectileViewRect : TopViewRect;
    const int n = tick / 2;
    if (n % 5 == 0) return marks[tick % 2][n / 5 % 6];
    return {r.Left + n * 97 % (r.Right - r.Left + 1), r.Top + n * 61 % (r.Bottom - r.Top + 1)};
}

// Arms the edit of the view under (x, y) twips, as a click there does.
void ClickAt(MainWindow& window, QPoint twips) {
    QCursor::setPos(window.mapToGlobal(twips / 15));
    QCoreApplication::processEvents();
    window.Form_MouseMove(float(twips.x()), float(twips.y()));
    window.Form_Click();
}

void BM_LongMouseEdit(benchmark::State& state) {
    if (!Samples().Ready()) return state.SkipWithError("the sample strokes were not found");
    LoadedWindow loaded(Samples().FilePath(QStringLiteral("a-Cc031.atr")));
    if (!loaded.Ready()) return state.SkipWithError("the window did not load the stroke");
    MainWindow& window = loaded.Window();
    ClickAt(window, {2280, 3000});  // the top view
    ClickAt(window, {1995, 900});   // the projectile view
    if (window.Mouse().DirectionEditOn != -1 || window.Mouse().HeightEditOn != -1)
        return state.SkipWithError("the clicks did not arm both edits");
    double baseline = 0, grown = 0;
    for (auto _ : state) {
        for (int tick = 0; tick < Ticks; ++tick) {
            QCursor::setPos(window.mapToGlobal(PointForTick(tick) / 15));
            window.Timer1_Timer();
            if (tick % 10 == 0) QCoreApplication::processEvents();
            if (tick + 1 == BaselineTick) baseline = ResidentBytes();
        }
        QCoreApplication::processEvents();
        grown = ResidentBytes() - baseline;
    }
    state.counters["resident_bytes_at_1000"] = baseline;
    state.counters["grown_bytes"] = grown;
    state.SetItemsProcessed(state.iterations() * Ticks);
}
BENCHMARK(BM_LongMouseEdit)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace orvik::bench
