// "Show all timings" on: the editing tick with paint, and a repaint of both
// previews whole (as choosing a timing or a commit asks for), each beside the
// same with the overlay off. The stroke has five six-hit key frames, so nine
// other timings are sketched.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QCursor>
#include <optional>

#include "bench/ui/window_support.h"
#include "ui/all_timings_overlay.h"
#include "ui/drop_down_list.h"
#include "ui/main_window.h"

namespace orvik::bench {
namespace {

constexpr float PointerA[] = {1280, 3200};
constexpr float PointerB[] = {3280, 2900};

// Puts the pointer itself at (x, y) twips of the window: a tick follows only
// the pointer where it is.
void PointAt(MainWindow& window, const float* twips) {
    QCursor::setPos(window.mapToGlobal(QPoint(int(twips[0]) / 15, int(twips[1]) / 15)));
}

// The sample stroke with five six-hit key frames loaded into `loaded`, the
// other timings shown or not; null, with the benchmark skipped, where the
// samples are missing or the load fails.
MainWindow* SixHitStrokeShown(benchmark::State& state, std::optional<LoadedWindow>& loaded, bool allTimings) {
    if (!Samples().Ready()) {
        state.SkipWithError("the sample strokes were not found");
        return nullptr;
    }
    loaded.emplace(Samples().SixHitPath());
    if (!loaded->Ready()) {
        state.SkipWithError("the window did not load the stroke");
        return nullptr;
    }
    loaded->Window().ShowAllTimings_Toggled(allTimings);
    QCoreApplication::processEvents();
    return &loaded->Window();
}

// Direction editing armed, the pointer moving between A and B on every tick,
// and one pass of the event loop delivering each tick's repaint.
void EditingTicksWithPaint(benchmark::State& state, bool allTimings) {
    std::optional<LoadedWindow> loaded;
    MainWindow* const shown = SixHitStrokeShown(state, loaded, allTimings);
    if (!shown) return;
    MainWindow& window = *shown;
    PointAt(window, PointerA);
    QCoreApplication::processEvents();  // the window sees the pointer come in
    window.Form_MouseMove(PointerA[0], PointerA[1]);
    window.Form_Click();
    bool atB = true;
    const int paintsBefore = loaded->Paints().Count();
    for (auto _ : state) {
        PointAt(window, atB ? PointerB : PointerA);
        window.Timer1_Timer();
        QCoreApplication::processEvents();
        atB = !atB;
    }
    if (loaded->Paints().Count() - paintsBefore < state.iterations())
        return state.SkipWithError("a tick did not repaint the window");
}

void BM_EditingTickWithPaint_AllTimings(benchmark::State& state) { EditingTicksWithPaint(state, true); }
BENCHMARK(BM_EditingTickWithPaint_AllTimings)->Unit(benchmark::kMicrosecond);

void BM_EditingTickWithPaint_OneTiming(benchmark::State& state) { EditingTicksWithPaint(state, false); }
BENCHMARK(BM_EditingTickWithPaint_OneTiming)->Unit(benchmark::kMicrosecond);

// Both previews repainted whole, with the other timings computed and painted.
void PreviewsRepainted(benchmark::State& state, bool allTimings) {
    std::optional<LoadedWindow> loaded;
    MainWindow* const shown = SixHitStrokeShown(state, loaded, allTimings);
    if (!shown) return;
    MainWindow& window = *shown;
    const int paintsBefore = loaded->Paints().Count();
    for (auto _ : state) {
        window.update(AllTimingsOverlayRect());
        QCoreApplication::processEvents();
    }
    if (loaded->Paints().Count() - paintsBefore < state.iterations())
        return state.SkipWithError("an update did not repaint the window");
}

void BM_PreviewsRepainted_AllTimings(benchmark::State& state) { PreviewsRepainted(state, true); }
BENCHMARK(BM_PreviewsRepainted_AllTimings)->Unit(benchmark::kMicrosecond);

void BM_PreviewsRepainted_OneTiming(benchmark::State& state) { PreviewsRepainted(state, false); }
BENCHMARK(BM_PreviewsRepainted_OneTiming)->Unit(benchmark::kMicrosecond);

// Another timing chosen on every iteration: the overlay's picture is painted
// again (the timing shown before joins it, the one chosen leaves it).
void TimingsChosen(benchmark::State& state, bool allTimings) {
    std::optional<LoadedWindow> loaded;
    MainWindow* const shown = SixHitStrokeShown(state, loaded, allTimings);
    if (!shown) return;
    MainWindow& window = *shown;
    auto* timings = window.findChild<DropDownList*>(QStringLiteral("Combo3"));
    if (!timings || timings->ListCount() < 10) return state.SkipWithError("the six-hit timings are not listed");
    int timing = 0;
    for (auto _ : state) {
        timing = (timing + 1) % 10;
        timings->SetListIndex(timing);
        window.Combo3_Click();
        QCoreApplication::processEvents();
    }
}

void BM_TimingChosen_AllTimings(benchmark::State& state) { TimingsChosen(state, true); }
BENCHMARK(BM_TimingChosen_AllTimings)->Unit(benchmark::kMicrosecond);

void BM_TimingChosen_OneTiming(benchmark::State& state) { TimingsChosen(state, false); }
BENCHMARK(BM_TimingChosen_OneTiming)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvik::bench
