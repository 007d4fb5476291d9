// The work of a folder change on a folder of 10,000 stroke files: listing it
// with the hidden file list, the census of the names and filling the stroke
// list, beside listing the same folder with QDir alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "core/stroke_catalogue.h"
#include "ui/file_list.h"

namespace {

constexpr int kFileCount = 10000;

// Made once: the game's 26 names among others of the same shape, in both
// cases of the extension, and some files that do not match.
class StrokeFolder {
public:
    StrokeFolder() {
        int made = 0;
        for (const auto& entry : orvik::StrokeCatalogue()) {
            Make(QString::fromUtf8(entry.FileName.data(), qsizetype(entry.FileName.size())));
            ++made;
        }
        for (int i = 0; made < kFileCount; ++i, ++made) {
            switch (i % 4) {
                case 0: Make(QStringLiteral("a-Cc%1.atr").arg(i + 100, 5, 10, QLatin1Char('0'))); break;
                case 1: Make(QStringLiteral("b-Dd%1c.ATR").arg(i, 5, 10, QLatin1Char('0'))); break;
                case 2: Make(QStringLiteral("Stroke %1.atr").arg(i)); break;
                default: Make(QStringLiteral("z-Xx%1b.Atr").arg(i, 5, 10, QLatin1Char('0'))); break;
            }
        }
        for (int i = 0; i < 100; ++i) Make(QStringLiteral("notes%1.txt").arg(i));
    }
    QString Path() const { return dir_.path(); }

private:
    void Make(const QString& name) {
        QFile file(dir_.path() + QLatin1Char('/') + name);
        if (file.open(QIODevice::WriteOnly)) file.write("Aggressive\n");
    }
    QTemporaryDir dir_;
};

const StrokeFolder& Folder() {
    static const StrokeFolder folder;
    return folder;
}

void BM_ListWithQDir(benchmark::State& state) {
    const QString path = Folder().Path();
    for (auto _ : state) {
        QStringList names = QDir(path).entryList(QStringList{QStringLiteral("*.atr")}, QDir::Files, QDir::Name);
        benchmark::DoNotOptimize(names);
        if (names.size() != kFileCount) state.SkipWithError("the folder does not hold the stroke files");
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_ListWithQDir)->Unit(benchmark::kMillisecond);

void BM_FileListSetPath(benchmark::State& state) {
    const QString path = Folder().Path();
    orvik::FileList files;
    for (auto _ : state) {
        static_cast<void>(files.SetPath(path));
        benchmark::DoNotOptimize(files.ListCount());
    }
    if (files.ListCount() != kFileCount) state.SkipWithError("the file list does not hold the stroke files");
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_FileListSetPath)->Unit(benchmark::kMillisecond);

// The share of the name order in the file list's time.
void BM_SortNames(benchmark::State& state) {
    const QStringList listed =
        QDir(Folder().Path()).entryList(QStringList{QStringLiteral("*.atr")}, QDir::Files, QDir::NoSort);
    for (auto _ : state) {
        state.PauseTiming();
        QStringList names = listed;
        names.detach();
        state.ResumeTiming();
        orvik::SortNames(names);
        benchmark::DoNotOptimize(names);
    }
    state.SetItemsProcessed(state.iterations() * listed.size());
}
BENCHMARK(BM_SortNames)->Unit(benchmark::kMillisecond);

// Steps 1 to 5 of the folder change, with the stroke list as the window has it.
void BM_FolderChange(benchmark::State& state) {
    const QString path = Folder().Path();
    orvik::FileList files;
    QComboBox strokeList;
    std::size_t known = 0;
    for (auto _ : state) {
        strokeList.clear();
        static_cast<void>(files.SetPath(path));
        std::vector<std::string> names;
        names.reserve(std::size_t(files.ListCount()));
        for (int i = 0; i < files.ListCount(); ++i) names.push_back(files.List(i).toStdString());
        const orvik::StrokeCensusResult census = orvik::StrokeCensus(names);
        benchmark::DoNotOptimize(census.CountMessage);
        for (const std::string& name : census.StrokeNames) strokeList.addItem(QString::fromStdString(name));
        known = census.StrokeNames.size();
    }
    if (known != orvik::StrokeCatalogue().size()) state.SkipWithError("the census missed catalogue files");
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_FolderChange)->Unit(benchmark::kMillisecond);

}  // namespace

// The widgets need an application object before the first benchmark runs.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Folder();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
