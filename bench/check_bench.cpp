// orvik-stroke-check on a folder of stroke files beside reading the same
// files with the reader alone (listing the folder, reading each file whole,
// ReadStrokeFile on its bytes): the checks should cost little more than the
// read, and both should grow linearly with the number of files.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

#include "check/run_check.h"
#include "core/stroke_file.h"
#include "core/stroke_reader.h"

#ifndef ORVIK_SAMPLES_DIR
#error "ORVIK_SAMPLES_DIR names the sample strokes"
#endif

namespace orvik {
namespace {

namespace fs = std::filesystem;

// Takes the checker's output and drops it.
class DiscardingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// A folder of `count` stroke files, the sample strokes in turn under new
// names, made once per count and removed when the benchmarks end. With
// `lineFeeds`, the files have LF line ends: a save would change every one.
class StrokeFolders {
public:
    ~StrokeFolders() {
        std::error_code ignored;
        for (const auto& [count, folder] : folders_) fs::remove_all(folder, ignored);
    }

    const fs::path& Folder(std::size_t count, bool lineFeeds = false) {
        const auto key = std::make_pair(count, lineFeeds);
        auto found = folders_.find(key);
        if (found != folders_.end()) return found->second;
        const fs::path folder =
            fs::temp_directory_path() / ("orvik-check-bench-" + std::to_string(count) + (lineFeeds ? "-lf" : ""));
        fs::remove_all(folder);
        fs::create_directories(folder);
        std::vector<std::string> samples;
        for (const auto& entry : fs::directory_iterator(fs::path(ORVIK_SAMPLES_DIR) / "strokes"))
            if (entry.path().extension() == ".atr") {
                std::ifstream in(entry.path(), std::ios::binary);
                samples.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
                if (lineFeeds) std::erase(samples.back(), '\r');
            }
        for (std::size_t i = 0; i < count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "s%06zu.atr", i);
            std::ofstream(folder / name, std::ios::binary) << samples[i % samples.size()];
        }
        return folders_.emplace(key, folder).first->second;
    }

private:
    std::map<std::pair<std::size_t, bool>, fs::path> folders_;
};

// Other work on the machine can only slow a run down: the fastest of the
// repetitions is the figure least disturbed.
double Fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

StrokeFolders& Folders() {
    static StrokeFolders folders;
    return folders;
}

void BM_CheckFolder(benchmark::State& state) {
    const fs::path& folder = Folders().Folder(static_cast<std::size_t>(state.range(0)));
    DiscardingBuffer discard;
    std::ostream out(&discard);
    const check::CheckOptions options{.Json = false, .Diff = false, .Quiet = false, .Paths = {folder}};
    for (auto _ : state) benchmark::DoNotOptimize(check::RunCheck(options, out, out));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);

// Every file one that a save would change: each is also read with the
// reader's report and its first changed line found.
void BM_CheckFolderOfFilesASaveWouldChange(benchmark::State& state) {
    const fs::path& folder = Folders().Folder(static_cast<std::size_t>(state.range(0)), true);
    DiscardingBuffer discard;
    std::ostream out(&discard);
    const check::CheckOptions options{.Json = false, .Diff = false, .Quiet = false, .Paths = {folder}};
    for (auto _ : state) benchmark::DoNotOptimize(check::RunCheck(options, out, out));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckFolderOfFilesASaveWouldChange)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);

// The same as one JSON document, each file and problem an object that the
// JSON library writes: its cost beside the text output's.
void BM_CheckFolderOfFilesASaveWouldChangeAsJson(benchmark::State& state) {
    const fs::path& folder = Folders().Folder(static_cast<std::size_t>(state.range(0)), true);
    DiscardingBuffer discard;
    std::ostream out(&discard);
    const check::CheckOptions options{.Json = true, .Paths = {folder}};
    for (auto _ : state) benchmark::DoNotOptimize(check::RunCheck(options, out, out));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckFolderOfFilesASaveWouldChangeAsJson)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);

// The files read whole, as the checker reads them, then the reader alone.
void BM_ReadFolderBaseline(benchmark::State& state) {
    const fs::path& folder = Folders().Folder(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::size_t read = 0;
        for (const auto& entry : fs::directory_iterator(folder)) {
            std::ifstream file(entry.path(), std::ios::binary);
            std::string bytes(static_cast<std::size_t>(entry.file_size()), '\0');
            file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            std::istringstream in(std::move(bytes));
            StrokeFile stroke = StartStroke();
            ReadStrokeFile(in, stroke);
            benchmark::DoNotOptimize(stroke);
            ++read;
        }
        benchmark::DoNotOptimize(read);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadFolderBaseline)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);

// The reader straight on each file's stream: every read past the end of the
// file asks the file again, a system call each.
void BM_ReadFolderThroughFileStreams(benchmark::State& state) {
    const fs::path& folder = Folders().Folder(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            StrokeFile stroke = StartStroke();
            ReadStrokeFile(in, stroke);
            benchmark::DoNotOptimize(stroke);
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadFolderThroughFileStreams)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);

}  // namespace
}  // namespace orvik
