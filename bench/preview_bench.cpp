// The timer tick runs every 15 milliseconds for the whole run: the logic of an
// editing tick (without painting) should stay far below that, and an idle tick
// should cost next to nothing.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>

#include "preview/geometry.h"
#include "preview/mouse_editing.h"
#include "preview/preview.h"

// Counts the program's allocations, so that the ticks can report how many
// they make (an idle tick must make none).
namespace {
std::size_t allocationCount = 0;
}  // namespace

// GCC takes the free() in the replaced operator delete for a mismatch with
// operator new once both are inlined; they are a matching pair here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
    ++allocationCount;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace orvik {
namespace {

// Allocations per iteration since `start`.
void ReportAllocations(benchmark::State& state, std::size_t start) {
    state.counters["allocs"] =
        benchmark::Counter(static_cast<double>(allocationCount - start), benchmark::Counter::kAvgIterations);
}

class NoOpSurface : public DrawingSurface {
public:
    Colour BackColor() const override { return 0x00FFFFFF; }
    void SetDrawWidth(int pixels) override { benchmark::DoNotOptimize(pixels); }
    void PlotPoint(float x, float y, Colour) override { benchmark::DoNotOptimize(x + y); }
    void PlotPointInForeColor(float x, float y) override { benchmark::DoNotOptimize(x + y); }
};

class NoOpControls : public EditorControls {
public:
    int TimingIndex() const override { return 2; }
    std::string DirectionRangeText() const override { return "3750000"; }
    void SetVerticalText(const std::string& s) override { benchmark::DoNotOptimize(s.data()); }
    void SetVerticalCaption(const std::string& s) override { benchmark::DoNotOptimize(s.data()); }
    void SetDirectionText(const std::string& s) override { benchmark::DoNotOptimize(s.data()); }
    void SetDirectionCaption(const std::string& s) override { benchmark::DoNotOptimize(s.data()); }
};

struct Editor {
    StrokeFile stroke;
    Preview preview;
    MouseEditing mouse;
    NoOpControls controls;
    NoOpSurface surface;
    Editor() { preview.PreviewKeyFrame(stroke, 2, surface); }
};

// The pointer wanders between two places so that every tick computes anew.
// Arms the view at `arm` and ticks with the pointer moving between a and b.
void EditingTicks(benchmark::State& state, PointF arm, PointF a, PointF b) {
    Editor editor;
    editor.mouse.MouseMove(arm.x, arm.y);
    editor.mouse.Click();
    bool flip = false;
    const std::size_t allocationsBefore = allocationCount;
    for (auto _ : state) {
        const PointF pointer = flip ? a : b;
        editor.mouse.MouseMove(pointer.x, pointer.y);
        flip = !flip;
        benchmark::DoNotOptimize(editor.mouse.Tick(editor.stroke, editor.preview, editor.controls, editor.surface));
    }
    ReportAllocations(state, allocationsBefore);
}

void BM_DirectionTick(benchmark::State& state) { EditingTicks(state, {1280, 3200}, {1280, 3200}, {3280, 2900}); }
BENCHMARK(BM_DirectionTick);

void BM_HeightTick(benchmark::State& state) { EditingTicks(state, {1000, 700}, {1000, 700}, {1000, 400}); }
BENCHMARK(BM_HeightTick);

// Direction armed, pointer resting in the projectile view.
void BM_IdleTick(benchmark::State& state) {
    Editor editor;
    editor.mouse.MouseMove(1280, 3200);
    editor.mouse.Click();
    editor.mouse.MouseMove(1000, 700);
    const std::size_t allocationsBefore = allocationCount;
    for (auto _ : state) {
        benchmark::DoNotOptimize(editor.mouse.Tick(editor.stroke, editor.preview, editor.controls, editor.surface));
    }
    ReportAllocations(state, allocationsBefore);
}
BENCHMARK(BM_IdleTick);

void BM_ProjectileCurvePoints(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ProjectileCurvePoints(2280, 110, 4200));
}
BENCHMARK(BM_ProjectileCurvePoints);

}  // namespace
}  // namespace orvik
