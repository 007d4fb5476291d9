// The undo history: one undo and redo through the window (the values put
// back, the key frame shown, both previews redrawn), and the memory a history
// of 1,000 steps takes. The editing tick, which the history leaves alone, is
// in window_bench.cpp.
#include <benchmark/benchmark.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <QCoreApplication>
#include <QLineEdit>

#include "bench/ui/window_support.h"
#include "document/edit_history.h"
#include "ui/main_window.h"

namespace orvik::bench {
namespace {

// Undo and redo in turn of a committed Power, each followed by one pass of the
// event loop, which delivers the repaint.
void BM_UndoStep(benchmark::State& state) {
    if (!Samples().Ready()) return state.SkipWithError("the sample strokes were not found");
    LoadedWindow loaded(Samples().SixHitPath());
    if (!loaded.Ready()) return state.SkipWithError("the window did not load the stroke");
    MainWindow& window = loaded.Window();
    auto* power = window.findChild<QLineEdit*>(QStringLiteral("Text2(3)"));
    if (!power) return state.SkipWithError("no Power box");
    power->setText(QStringLiteral("42"));
    window.Text2_LostFocus(orvik::Box::Power);
    window.UndoShortcut_Activated();
    const bool undone = window.Stroke().KeyFrames[0].Power != 42.0;
    window.RedoShortcut_Activated();
    if (!undone || window.Stroke().KeyFrames[0].Power != 42.0) return state.SkipWithError("undo or redo did nothing");
    bool undo = true;
    for (auto _ : state) {
        if (undo)
            window.UndoShortcut_Activated();
        else
            window.RedoShortcut_Activated();
        QCoreApplication::processEvents();
        undo = !undo;
    }
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMicrosecond);

// 1,000 steps, each a typed Power in one of the ten key frames, recorded on a
// history of its own; the counters give the heap it holds then, in all and per
// step.
std::size_t HeapInUse() {
#ifdef __GLIBC__
    return mallinfo2().uordblks;
#else
    return 0;  // the counters then show 0
#endif
}

void BM_HistoryOf1000Steps(benchmark::State& state) {
    constexpr int Steps = 1000;
    double heldBytes = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto history = std::make_unique<EditHistory>([](const EditedValues&, int) {});
        EditedValues values;
        history->Restart(values);
        for (int step = 0; step < Steps; ++step) {
            values.KeyFrames[static_cast<std::size_t>(step % KeyFrameCount)].Power = step;
            history->Record(QStringLiteral("Typing"), values);
        }
        heldBytes = double(HeapInUse() - before);
        benchmark::DoNotOptimize(history->Steps());
        state.PauseTiming();
        history.reset();
        state.ResumeTiming();
    }
    state.counters["held_bytes"] = heldBytes;
    state.counters["bytes_per_step"] = heldBytes / Steps;
}
BENCHMARK(BM_HistoryOf1000Steps)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvik::bench
