// The window's start-up and its timer ticks with painting, each beside a bare
// QWidget of the window's size doing the same through the same event loop.
//
// Start-up runs from constructing the window (which lists the folder it starts
// in: here the sample strokes) to its first paint event after show(). The
// ticks are Timer1's handler called directly, its own timer stopped, followed
// by one pass of the event loop, which delivers the repaint the tick asked
// for.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QCursor>
#include <QRegion>
#include <QWidget>

#include <memory>

#include "bench/ui/window_support.h"
#include "ui/main_window.h"

namespace orvik::bench {
namespace {

void BM_StartupWindow(benchmark::State& state) {
    if (!Samples().Ready()) return state.SkipWithError("the sample strokes were not found");
    CurrentFolder here(Samples().Path());
    SilentDialogs dialogs;
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>(dialogs);
        {
            PaintCounter paints(*window);
            window->show();
            if (!WaitForPaint(paints, 0)) return state.SkipWithError("the window was never painted");
        }
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupWindow)->Unit(benchmark::kMillisecond);

void BM_StartupBaseline_BareWidget(benchmark::State& state) {
    for (auto _ : state) {
        auto bare = std::make_unique<QWidget>();
        MakeBare(*bare);
        {
            PaintCounter paints(*bare);
            bare->show();
            if (!WaitForPaint(paints, 0)) return state.SkipWithError("the bare widget was never painted");
        }
        state.PauseTiming();
        bare.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupBaseline_BareWidget)->Unit(benchmark::kMillisecond);

// Direction editing armed, the pointer moving between two places in the top
// view, so that every tick moves the lines and redraws the arc.
constexpr float PointerA[] = {1280, 3200};
constexpr float PointerB[] = {3280, 2900};

// The regions the window repaints after a tick at A and at B, for the bare
// widget to repaint as well.
struct TickRegions {
    QRegion atA, atB;
};

// Puts the pointer itself at (x, y) twips of the window: a tick follows only
// the pointer where it is.
void PointAt(MainWindow& window, const float* twips) {
    QCursor::setPos(window.mapToGlobal(QPoint(int(twips[0]) / 15, int(twips[1]) / 15)));
}

void ArmDirectionEditing(MainWindow& window) {
    PointAt(window, PointerA);
    QCoreApplication::processEvents();  // the window sees the pointer come in
    window.Form_MouseMove(PointerA[0], PointerA[1]);
    window.Form_Click();
}

TickRegions MeasureTickRegions() {
    LoadedWindow loaded(Samples().SixHitPath());
    MainWindow& window = loaded.Window();
    ArmDirectionEditing(window);
    TickRegions regions;
    for (int round = 0; round < 2; ++round) {  // the second round is the steady one
        PointAt(window, PointerB);
        window.Timer1_Timer();
        QCoreApplication::processEvents();
        regions.atB = loaded.Paints().TakeRegion();
        PointAt(window, PointerA);
        window.Timer1_Timer();
        QCoreApplication::processEvents();
        regions.atA = loaded.Paints().TakeRegion();
    }
    return regions;
}

const TickRegions& Regions() {
    static const TickRegions regions = MeasureTickRegions();
    return regions;
}

void ReportRegion(benchmark::State& state, const QRegion& region) {
    qint64 pixels = 0;
    for (const QRect& rect : region) pixels += qint64(rect.width()) * rect.height();
    state.counters["pixels"] = double(pixels);
    state.counters["rects"] = double(region.rectCount());
}

// Direction editing armed, the pointer moving between A and B on every tick;
// with `paint`, one pass of the event loop delivers each tick's repaint.
void EditingTicks(benchmark::State& state, bool paint) {
    if (!Samples().Ready()) return state.SkipWithError("the sample strokes were not found");
    LoadedWindow loaded(Samples().SixHitPath());
    if (!loaded.Ready()) return state.SkipWithError("the window did not load the stroke");
    MainWindow& window = loaded.Window();
    ArmDirectionEditing(window);
    bool atB = true;
    const int paintsBefore = loaded.Paints().Count();
    for (auto _ : state) {
        PointAt(window, atB ? PointerB : PointerA);
        window.Timer1_Timer();
        if (paint) QCoreApplication::processEvents();
        atB = !atB;
    }
    if (!paint) return QCoreApplication::processEvents();
    if (loaded.Paints().Count() - paintsBefore < state.iterations())
        return state.SkipWithError("a tick did not repaint the window");
    if (window.Stroke().KeyFrames[0].Direction == 0) return state.SkipWithError("the ticks did not edit the direction");
    state.counters["paints"] =
        benchmark::Counter(double(loaded.Paints().Count() - paintsBefore), benchmark::Counter::kAvgIterations);
    ReportRegion(state, Regions().atA.united(Regions().atB));
}

void BM_EditingTickWithPaint(benchmark::State& state) { EditingTicks(state, true); }
BENCHMARK(BM_EditingTickWithPaint)->Unit(benchmark::kMicrosecond);

// The same ticks with the repaint left pending (the requests merge): the
// handler's own share, plotting the arc and setting the labels included.
void BM_EditingTickWithoutPaint(benchmark::State& state) { EditingTicks(state, false); }
BENCHMARK(BM_EditingTickWithoutPaint)->Unit(benchmark::kMicrosecond);

void BM_EditingTickBaseline_BareRepaint(benchmark::State& state) {
    if (!Samples().Ready()) return state.SkipWithError("the sample strokes were not found");
    const TickRegions regions = Regions();
    if (regions.atA.isEmpty() || regions.atB.isEmpty()) return state.SkipWithError("the window repainted nothing");
    QWidget bare;
    MakeBare(bare);
    PaintCounter paints(bare);
    bare.show();
    if (!WaitForPaint(paints, 0)) return state.SkipWithError("the bare widget was never painted");
    bool atB = true;
    const int paintsBefore = paints.Count();
    for (auto _ : state) {
        bare.update(atB ? regions.atB : regions.atA);
        QCoreApplication::processEvents();
        atB = !atB;
    }
    if (paints.Count() - paintsBefore < state.iterations()) return state.SkipWithError("an update did not repaint");
    ReportRegion(state, regions.atA.united(regions.atB));
}
BENCHMARK(BM_EditingTickBaseline_BareRepaint)->Unit(benchmark::kMicrosecond);

// Nothing armed: the tick only tests the switches and asks for no repaint.
void BM_IdleTickWithEventLoop(benchmark::State& state) {
    if (!Samples().Ready()) return state.SkipWithError("the sample strokes were not found");
    LoadedWindow loaded(Samples().SixHitPath());
    if (!loaded.Ready()) return state.SkipWithError("the window did not load the stroke");
    MainWindow& window = loaded.Window();
    window.Form_MouseMove(PointerA[0], PointerA[1]);
    const int paintsBefore = loaded.Paints().Count();
    for (auto _ : state) {
        window.Timer1_Timer();
        QCoreApplication::processEvents();
    }
    if (loaded.Paints().Count() != paintsBefore) state.SkipWithError("an idle tick repainted the window");
}
BENCHMARK(BM_IdleTickWithEventLoop)->Unit(benchmark::kMicrosecond);

void BM_IdleTickBaseline_BareEventLoop(benchmark::State& state) {
    QWidget bare;
    MakeBare(bare);
    PaintCounter paints(bare);
    bare.show();
    if (!WaitForPaint(paints, 0)) return state.SkipWithError("the bare widget was never painted");
    for (auto _ : state) QCoreApplication::processEvents();
}
BENCHMARK(BM_IdleTickBaseline_BareEventLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvik::bench
