// Loading and saving a stroke through the window, file system included:
// Reset (Command6) reads the current file again and fills the window, Save
// (Command3) writes it back through QSaveFile. The baselines read the same
// file's bytes with QFile::readAll and write them with QFile.
//
// The file is a copy of a sample stroke with five six-hit key frames in a
// temporary folder; the window's current file is set once through the Open
// command.
#include <benchmark/benchmark.h>

#include <QFile>

#include "bench/ui/window_support.h"
#include "ui/main_window.h"

namespace orvik::bench {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void BM_LoadReset(benchmark::State& state) {
    if (!Samples().Ready()) return state.SkipWithError("the sample strokes were not found");
    LoadedWindow loaded(Samples().SixHitPath());
    if (!loaded.Ready()) return state.SkipWithError("the window did not load the stroke");
    MainWindow& window = loaded.Window();
    for (auto _ : state) window.Command6_Click();
    // Ten timings: the five normal ones and the five six-hit ones.
    if (window.Stroke().KeyFrames[9].KeyFrameTag != "0")
        state.SkipWithError("Reset did not read the six-hit key frames");
    state.SetBytesProcessed(state.iterations() * QFile(Samples().SixHitPath()).size());
}
BENCHMARK(BM_LoadReset)->Unit(benchmark::kMicrosecond);

void BM_LoadBaseline_QFileReadAll(benchmark::State& state) {
    if (!Samples().Ready()) return state.SkipWithError("the sample strokes were not found");
    const QString path = Samples().SixHitPath();
    qint64 size = 0;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return state.SkipWithError("the stroke file cannot be read");
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.data());
        size = bytes.size();
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_LoadBaseline_QFileReadAll)->Unit(benchmark::kMicrosecond);

// Save writes a file of its own so that the load benchmark's file stays as the
// sample has it.
void BM_Save(benchmark::State& state) {
    if (!Samples().Ready()) return state.SkipWithError("the sample strokes were not found");
    const QString path = Samples().FilePath(QStringLiteral("saved-a-Cc025.atr"));
    QFile::remove(path);
    if (!QFile::copy(Samples().SixHitPath(), path)) return state.SkipWithError("the stroke file cannot be copied");
    LoadedWindow loaded(path);
    if (!loaded.Ready()) return state.SkipWithError("the window did not load the stroke");
    MainWindow& window = loaded.Window();
    for (auto _ : state) window.Command3_Click();
    const qint64 size = QFile(path).size();
    if (size <= 0 || !ReadAll(path).startsWith("StrokeAttr")) state.SkipWithError("Save did not write the stroke");
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);

void BM_SaveBaseline_QFileWrite(benchmark::State& state) {
    if (!Samples().Ready()) return state.SkipWithError("the sample strokes were not found");
    const QByteArray bytes = ReadAll(Samples().SixHitPath());
    const QString path = Samples().FilePath(QStringLiteral("written-a-Cc025.atr"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return state.SkipWithError("cannot write");
        if (file.write(bytes) != bytes.size()) return state.SkipWithError("short write");
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_SaveBaseline_QFileWrite)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvik::bench
