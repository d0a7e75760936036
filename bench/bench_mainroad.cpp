// The main road on the largest table: a 1000 x 1000 CSV file imported, its source made and shown
// (coloured and indented), and previewed (files written). The Qt view is measured apart
// (bench_view_qt); here "shown" means the source page selected with the colours worked out, as
// the view's first paint would have them.
//
// Run with repetitions and read the medians: the machine is shared. The peak memory of the whole
// road is BM_MainRoadPeakMemory run on its own:
//     bench_mainroad --benchmark_filter=PeakMemory

#include "frame/form1.h"

#include <benchmark/benchmark.h>
#include "benchsupport.h"

#include <QFile>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
using benchsupport::peakMegabytes;

class OneFile : public FileDialogService
{
public:
    QString path;
    std::optional<QString> open(const FileDialogRequest &) override { return path; }
    std::optional<QString> save(const FileDialogRequest &) override { return std::nullopt; }
};

struct Road
{
    OneFile files;
    Services services;
    explicit Road(int n)
    {
        files.path = benchsupport::csvFile(n);
        services.files = &files;
    }
    std::unique_ptr<Form1> startedForm()
    {
        auto f = std::make_unique<Form1>(services);
        f->workFolder = benchsupport::folder().path();
        f->Form_Load();
        return f;
    }
};

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The make-source button on the imported table: made, coloured, indented, the source page shown.
void BM_MakeAndShow(benchmark::State &state)
{
    const int n = int(state.range(0));
    Road road(n);
    qsizetype chars = 0;
    size_t runs = 0;
    double total = 0;
    for (auto _ : state) {
        auto f = road.startedForm();
        f->rcsv.userClicked();
        const auto start = Clock::now();
        f->Cmd(1).userClicked();
        runs = f->RB1.runCount();
        const double seconds = since(start);
        state.SetIterationTime(seconds);
        total += seconds;
        chars = f->RB1.text().size();
    }
    state.counters["source_chars"] = double(chars);
    state.counters["runs"] = double(runs);
    state.counters["us_per_cell"] = total / double(state.iterations()) / (double(n) * n) * 1e6;
}
BENCHMARK(BM_MakeAndShow)->Arg(10)->Arg(100)->Arg(300)->Arg(1000)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->MinTime(0.5);

// The preview button on the shown source: preview file and settings copy written, browser sent.
// Each time as the first preview: the files are gone.
void BM_PreviewOfTheShownSource(benchmark::State &state)
{
    Road road(int(state.range(0)));
    auto f = road.startedForm();
    f->ImportCsv();
    f->Cmd_Click(1);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(f->previewPath());
        QFile::remove(f->htmlFolder + f->pathSeparator + QStringLiteral(u"$Set$.set"));
        state.ResumeTiming();
        f->Cmd_Click(3);
    }
}
BENCHMARK(BM_PreviewOfTheShownSource)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);

// The preview button again, source and design unchanged: the files still hold what they would be
// given, which is made sure of by reading them.
void BM_SecondPreviewOfAnUnchangedDesign(benchmark::State &state)
{
    const int n = int(state.range(0));
    Road road(n);
    auto f = road.startedForm();
    f->ImportCsv();
    f->Cmd_Click(1);
    f->Cmd_Click(3);
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        f->Cmd_Click(3);
        total += since(start);
    }
    state.counters["us_per_cell"] = total / double(state.iterations()) / (double(n) * n) * 1e6;
}
BENCHMARK(BM_SecondPreviewOfAnUnchangedDesign)->Arg(100)->Arg(300)->Arg(1000)
    ->Unit(benchmark::kMillisecond)->MinTime(0.5);

// The whole road once, from a started window: import, make and show, preview. Its counter is the
// process's peak memory, which means something only when this benchmark runs alone.
void BM_MainRoadPeakMemory(benchmark::State &state)
{
    Road road(1000);
    double import = 0, makeShow = 0, preview = 0;
    for (auto _ : state) {
        auto f = road.startedForm();
        auto start = Clock::now();
        f->rcsv.userClicked();
        import = since(start);
        start = Clock::now();
        f->Cmd(1).userClicked();
        benchmark::DoNotOptimize(f->RB1.runCount());
        makeShow = since(start);
        start = Clock::now();
        f->Cmd(3).userClicked();
        preview = since(start);
    }
    state.counters["import_s"] = import;
    state.counters["make_show_s"] = makeShow;
    state.counters["preview_s"] = preview;
    state.counters["peak_MB"] = double(peakMegabytes());
}
BENCHMARK(BM_MainRoadPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
