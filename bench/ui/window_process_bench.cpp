// What the window costs a whole process, beside a bare QWidget of the same
// size: the resident memory after start-up and the processor time of an idle
// run of the event loop with the timer ticking. Each figure comes from a fresh
// process of orvik_window_probe (built beside this program), so that nothing
// one benchmark loaded stays in the other's memory. One iteration runs the
// probe for the window and for the bare widget; the figures are counters.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QProcess>

#include <algorithm>
#include <memory>

#include "bench/ui/window_support.h"

namespace orvik::bench {
namespace {

QString ProbePath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/orvik_window_probe"); }

// A started probe; its figures once it has finished.
class Probe {
public:
    explicit Probe(const QStringList& arguments) {
        process_.setWorkingDirectory(Samples().Path());
        process_.start(ProbePath(), arguments);
    }
    // Empty when the probe failed.
    QMap<QString, double> Figures(int timeoutMs) {
        QMap<QString, double> figures;
        if (!process_.waitForFinished(timeoutMs) || process_.exitStatus() != QProcess::NormalExit ||
            process_.exitCode() != 0)
            return figures;
        for (const QByteArray& line : process_.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 2) figures.insert(QString::fromLatin1(parts[0]), parts[1].toDouble());
        }
        return figures;
    }

private:
    QProcess process_;
};

bool ProbeMissing(benchmark::State& state) {
    if (!QFileInfo(ProbePath()).isExecutable()) {
        state.SkipWithError("orvik_window_probe is not built beside this program");
        return true;
    }
    if (!Samples().Ready()) {
        state.SkipWithError("the sample strokes were not found");
        return true;
    }
    return false;
}

// Run one after the other, so that the start-up times do not share the cores.
void BM_ResidentMemoryAfterStartup(benchmark::State& state) {
    if (ProbeMissing(state)) return;
    QMap<QString, double> window, bare;
    for (auto _ : state) {
        window = Probe({QStringLiteral("memory"), QStringLiteral("window")}).Figures(60000);
        bare = Probe({QStringLiteral("memory"), QStringLiteral("bare")}).Figures(60000);
        if (window.isEmpty() || bare.isEmpty()) return state.SkipWithError("the probe failed");
    }
    state.counters["window_rss_kB"] = window["rss_kB"];
    state.counters["bare_rss_kB"] = bare["rss_kB"];
    state.counters["rss_ratio"] = window["rss_kB"] / bare["rss_kB"];
    state.counters["window_anon_kB"] = window["rss_anon_kB"];
    state.counters["bare_anon_kB"] = bare["rss_anon_kB"];
    state.counters["window_file_kB"] = window["rss_file_kB"];
    state.counters["bare_file_kB"] = bare["rss_file_kB"];
    state.counters["window_heap_kB"] = window["heap_in_use_kB"];
    state.counters["bare_heap_kB"] = bare["heap_in_use_kB"];
    // Start-up in a fresh process: the first window of the run, fonts and
    // style loaded on the way.
    state.counters["window_first_paint_ms"] = window["first_paint_ms"];
    state.counters["bare_first_paint_ms"] = bare["first_paint_ms"];
}
BENCHMARK(BM_ResidentMemoryAfterStartup)->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole process from exec to the first paint, in processor time (which
// the load of the machine disturbs far less than wall time): the window, the
// bare widget and the bare widget with one label, each started `rounds`
// times in turn; the medians are the figures.
void BM_StartupWholeProcess(benchmark::State& state) {
    if (ProbeMissing(state)) return;
    const int rounds = int(state.range(0));
    QMap<QString, QList<double>> cpuMs;
    for (auto _ : state) {
        for (int round = 0; round < rounds; ++round) {
            for (const QString& kind : {QStringLiteral("window"), QStringLiteral("bare"), QStringLiteral("label")}) {
                const QMap<QString, double> figures = Probe({QStringLiteral("startup"), kind}).Figures(60000);
                if (figures.isEmpty()) return state.SkipWithError("the probe failed");
                cpuMs[kind].append(figures["process_cpu_ms"]);
            }
        }
    }
    auto median = [](QList<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    const double window = median(cpuMs["window"]);
    const double bare = median(cpuMs["bare"]);
    const double label = median(cpuMs["label"]);
    state.counters["window_cpu_ms"] = window;
    state.counters["bare_cpu_ms"] = bare;
    state.counters["label_cpu_ms"] = label;
    state.counters["ratio_to_bare"] = window / bare;
    state.counters["ratio_to_label"] = window / label;
}
BENCHMARK(BM_StartupWholeProcess)->ArgName("rounds")->Arg(15)->Iterations(1)->Unit(benchmark::kMillisecond);

// The argument is the idle run in seconds: 60 for the figure, 10 for a quick
// check. Window and bare widget idle at the same time, so that both see the
// same load of the machine.
void BM_IdleProcessorTime(benchmark::State& state) {
    if (ProbeMissing(state)) return;
    const QString seconds = QString::number(state.range(0));
    QMap<QString, double> window, bare;
    for (auto _ : state) {
        Probe windowProbe({QStringLiteral("idle"), QStringLiteral("window"), seconds});
        Probe bareProbe({QStringLiteral("idle"), QStringLiteral("bare"), seconds});
        const int timeoutMs = int(state.range(0)) * 1000 + 60000;
        window = windowProbe.Figures(timeoutMs);
        bare = bareProbe.Figures(timeoutMs);
        if (window.isEmpty() || bare.isEmpty()) return state.SkipWithError("the probe failed");
    }
    state.counters["window_cpu_pct"] = window["cpu_percent"];
    state.counters["bare_cpu_pct"] = bare["cpu_percent"];
    state.counters["window_ticks"] = window["ticks"];
    state.counters["bare_ticks"] = bare["ticks"];
}
BENCHMARK(BM_IdleProcessorTime)->ArgName("seconds")->Arg(10)->Arg(60)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace orvik::bench
