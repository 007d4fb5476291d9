// Reading, writing and the folder census, each beside a baseline measured in
// the same run: the reader against splitting the same text into lines, the
// writer against writing lines of the same lengths, the census against copying
// the names.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "clean_stroke.h"
#include "core/stroke_catalogue.h"
#include "core/stroke_file.h"
#include "core/stroke_reader.h"
#include "core/stroke_writer.h"

namespace orvik {
namespace {

// A stroke like the game's: five normal and five six-hit key frames and a few
// trailing lines.
StrokeFile SampleStroke() {
    StrokeFile stroke = CleanStroke("0 1 2 3 4");
    stroke.TrailingLines.at(2) = "Extra 2";
    stroke.TrailingLines.at(3) = "Extra 3";
    return stroke;
}

std::string SampleText() { return StrokeFileText(SampleStroke(), "Aggressive", 15); }

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void ReadRepeatedly(benchmark::State& state, const std::string& text) {
    StrokeFile stroke = SampleStroke();
    for (auto _ : state) {
        std::istringstream in(text);
        ReadStrokeFile(in, stroke);
        benchmark::DoNotOptimize(stroke);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_ReadStrokeFile(benchmark::State& state) { ReadRepeatedly(state, SampleText()); }
BENCHMARK(BM_ReadStrokeFile);

// The same file with enough trailing lines that no read meets the end of the
// file: shows what the failing reads at the end cost.
void BM_ReadStrokeFile_NoReadPastTheEnd(benchmark::State& state) {
    std::string text = SampleText();
    for (int i = 0; i < 70; ++i) text += "x\r\n";
    ReadRepeatedly(state, text);
}
BENCHMARK(BM_ReadStrokeFile_NoReadPastTheEnd);

void BM_ReadBaseline_GetlineSplit(benchmark::State& state) {
    const std::string text = SampleText();
    for (auto _ : state) {
        std::istringstream in(text);
        std::size_t count = 0;
        for (std::string line; std::getline(in, line);) {
            benchmark::DoNotOptimize(line);
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadBaseline_GetlineSplit);

void BM_WriteStrokeFile(benchmark::State& state) {
    const StrokeFile stroke = SampleStroke();
    for (auto _ : state) {
        std::string text = StrokeFileText(stroke, "Aggressive", 15);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_WriteStrokeFile);

void BM_WriteBaseline_SameLines(benchmark::State& state) {
    const std::vector<std::string> lines = SplitLines(SampleText());
    for (auto _ : state) {
        std::ostringstream out;
        for (const std::string& line : lines) {
            out.write(line.data(), static_cast<std::streamsize>(line.size()));
            out.write("\r\n", 2);
        }
        benchmark::DoNotOptimize(out);
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_WriteBaseline_SameLines);

// A folder listing: every fourth name is one of the catalogue's files.
std::vector<std::string> FolderNames(std::size_t count) {
    const auto& catalogue = StrokeCatalogue();
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (i % 4 == 0)
            names.emplace_back(catalogue[(i / 4) % catalogue.size()].FileName);
        else
            names.push_back("b-Xx" + std::to_string(i) + ".atr");
    }
    return names;
}

void BM_StrokeCensus(benchmark::State& state) {
    const auto names = FolderNames(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(StrokeCensus(names));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StrokeCensus)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_CensusBaseline_CopyNames(benchmark::State& state) {
    const auto names = FolderNames(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string> copy;
        for (const auto& name : names) copy.push_back(name);
        benchmark::DoNotOptimize(copy);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CensusBaseline_CopyNames)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvik
