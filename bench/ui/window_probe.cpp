// Builds the editor's window, or a bare QWidget of the same size, in a fresh
// process, shows it until its first paint, and reports what the process
// costs:
//
//   orvik_window_probe memory window|bare [mappings]
//       the resident memory after start-up and a short run of the event loop;
//       with "mappings" also the resident kB of each mapped file and of the
//       anonymous memory, largest first
//   orvik_window_probe startup window|bare|label
//       the processor time of the whole process, from exec to the first
//       paint; "label" is the bare widget with one line of bold text, so that
//       the fonts are loaded as in the window
//   orvik_window_probe idle window|bare [seconds]
//       the processor time of an idle run of the event loop (default 60 s),
//       as a percentage of one core. The window's Timer1 ticks every 15 ms;
//       the bare widget gets a 15 ms QTimer that does nothing.
//
// Output: one "key value" line per figure. The window lists the folder the
// probe is started in, as the editor does.
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QMap>
#include <QTimer>
#include <QWidget>

#include <malloc.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "bench/ui/window_support.h"
#include "ui/main_window.h"

namespace {

using orvik::bench::PaintCounter;

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// A "Name:   1234 kB" line of /proc/self/status, in kB; -1 when missing.
long StatusKilobytes(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    const QByteArray prefix = QByteArray(name) + ':';
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Resident kB per mapped file (anonymous memory as "[anon]"), from
// /proc/self/smaps, largest first.
void PrintMappings() {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    QMap<QByteArray, long> residentByName;
    QByteArray name;
    for (QByteArray line = smaps.readLine(); !line.isEmpty(); line = smaps.readLine()) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.value(0).contains('-') && !fields.value(0).endsWith(':')) {
            name = fields.size() >= 6 ? fields.mid(5).join(' ') : QByteArray("[anon]");
        } else if (fields.value(0) == "Rss:") {
            residentByName[name] += fields.value(1).toLong();
        }
    }
    QList<std::pair<long, QByteArray>> sorted;
    for (auto it = residentByName.cbegin(); it != residentByName.cend(); ++it) sorted.append({it.value(), it.key()});
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [kilobytes, file] : sorted) {
        if (kilobytes > 0) std::printf("mapping %ld %s\n", kilobytes, file.constData());
    }
}

void RunEventLoopFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

int Usage() {
    std::fprintf(stderr,
                 "usage: orvik_window_probe memory window|bare [mappings]\n"
                 "       orvik_window_probe startup window|bare|label\n"
                 "       orvik_window_probe idle window|bare [seconds]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const bool memory = std::strcmp(argv[1], "memory") == 0;
    const bool idle = std::strcmp(argv[1], "idle") == 0;
    const bool startup = std::strcmp(argv[1], "startup") == 0;
    const bool window = std::strcmp(argv[2], "window") == 0;
    const bool label = startup && std::strcmp(argv[2], "label") == 0;
    const bool bare = label || std::strcmp(argv[2], "bare") == 0;
    const double seconds = idle && argc > 3 ? std::atof(argv[3]) : 60.0;
    if ((!memory && !idle && !startup) || (!window && !bare) || !(seconds > 0)) return Usage();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Start-up: from building the widget to its first paint.
    orvik::bench::SilentDialogs dialogs;
    const double startWall = WallSeconds();
    std::unique_ptr<QWidget> widget;
    QTimer bareTimer;
    if (window) {
        widget = std::make_unique<orvik::MainWindow>(dialogs);
    } else {
        widget = std::make_unique<QWidget>();
        orvik::bench::MakeBare(*widget);
        if (label) {
            // Bold, as the window's captions are, so that the fonts are loaded as in the window.
            auto* caption = new QLabel(QStringLiteral("Orvik stroke editor (No File Loaded)"), widget.get());
            QFont bold = caption->font();
            bold.setBold(true);
            caption->setFont(bold);
            caption->move(8, 8);
        }
        bareTimer.setInterval(15);
        QObject::connect(&bareTimer, &QTimer::timeout, [] {});
        bareTimer.start();
    }
    PaintCounter paints(*widget);
    widget->show();
    if (!orvik::bench::WaitForPaint(paints, 0)) {
        std::fprintf(stderr, "the widget was never painted\n");
        return 1;
    }
    std::printf("first_paint_ms %.3f\n", (WallSeconds() - startWall) * 1000);
    if (startup) {
        std::printf("process_cpu_ms %.3f\n", ProcessCpuSeconds() * 1000);
        // The process ends at its first paint, without tearing the widgets and
        // the application down, so that an instruction count of the whole
        // process (callgrind) counts what the time above counts.
        std::fflush(stdout);
        std::_Exit(0);
    }

    // The timer that ticks: Timer1 or the bare widget's own.
    QTimer* ticking = window ? widget->findChild<QTimer*>(QStringLiteral("Timer1")) : &bareTimer;
    if (!ticking || !ticking->isActive()) {
        std::fprintf(stderr, "no timer is running\n");
        return 1;
    }
    long ticks = 0;
    QObject::connect(ticking, &QTimer::timeout, [&ticks] { ++ticks; });

    if (memory) {
        RunEventLoopFor(500);
        const struct mallinfo2 heap = mallinfo2();
        std::printf("rss_kB %ld\n", StatusKilobytes("VmRSS"));
        std::printf("rss_anon_kB %ld\n", StatusKilobytes("RssAnon"));
        std::printf("rss_file_kB %ld\n", StatusKilobytes("RssFile"));
        std::printf("rss_shmem_kB %ld\n", StatusKilobytes("RssShmem"));
        std::printf("heap_in_use_kB %zu\n", (heap.uordblks + heap.hblkhd) / 1024);
        if (argc > 3 && std::strcmp(argv[3], "mappings") == 0) PrintMappings();
        return 0;
    }

    // Idle: the event loop alone, the timer ticking.
    RunEventLoopFor(1000);
    const double cpuBefore = ProcessCpuSeconds();
    const double wallBefore = WallSeconds();
    const long ticksBefore = ticks;
    RunEventLoopFor(int(seconds * 1000));
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    const double wall = WallSeconds() - wallBefore;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("wall_s %.3f\n", wall);
    std::printf("cpu_s %.6f\n", cpu);
    std::printf("cpu_percent %.4f\n", 100 * cpu / wall);
    std::printf("ticks %ld\n", ticks - ticksBefore);
    std::printf("context_switches %ld\n", usage.ru_nvcsw + usage.ru_nivcsw);
    return 0;
}
