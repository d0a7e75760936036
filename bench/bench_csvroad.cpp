// The CSV road in a fresh process each time: csv_road (the main window started, the CSV file
// imported and its source made, the HTML file saved) against the plain script csv_to_html.py on the
// same file, both timed as whole processes from start to exit. They run pair by pair, in turns
// first, so that a change of the machine's load falls on both alike. The benchmark's time is the
// program's; `script_ms` is the script's mean and `ratio` the script's time over the program's.
//
// Run with repetitions and read the medians: the machine is shared.
//     bench_csvroad --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <QDir>
#include <QProcess>
#include <benchmark/benchmark.h>
#include "benchsupport.h"

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Seconds the process took from start to exit; negative when it failed.
double timed(const QString &program, const QStringList &arguments)
{
    const auto start = Clock::now();
    const int code = QProcess::execute(program, arguments);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return code == 0 ? seconds : -1;
}

void BM_FreshProcessRoad(benchmark::State &state)
{
    const int n = int(state.range(0));
    const QString input = benchsupport::csvFile(n);
    const QDir folder(benchsupport::folder().path());
    const QString settings = folder.filePath(QStringLiteral(u"road"));
    QDir().mkpath(settings);
    const QStringList road = {input, folder.filePath(QStringLiteral(u"road%1.html").arg(n)),
                              settings};
    const QStringList plain = {benchsupport::script(), input,
                               folder.filePath(QStringLiteral(u"script%1.html").arg(n))};
    const QString program = QStringLiteral(MORVANE_CSV_ROAD);
    const QString python = benchsupport::python();
    double programTotal = 0, scriptTotal = 0;
    bool programFirst = true;
    for (auto _ : state) {
        double ours = 0, theirs = 0;
        if (programFirst) {
            ours = timed(program, road);
            theirs = timed(python, plain);
        } else {
            theirs = timed(python, plain);
            ours = timed(program, road);
        }
        programFirst = !programFirst;
        if (ours < 0 || theirs < 0) {
            state.SkipWithError(ours < 0 ? "csv_road failed" : "csv_to_html.py failed");
            return;
        }
        state.SetIterationTime(ours);
        programTotal += ours;
        scriptTotal += theirs;
    }
    const double iterations = double(state.iterations());
    state.counters["script_ms"] = scriptTotal / iterations * 1e3;
    state.counters["ratio"] = scriptTotal / programTotal;
    state.counters["us_per_cell"] = programTotal / iterations / (double(n) * n) * 1e6;
}

} // namespace

BENCHMARK(BM_FreshProcessRoad)->Arg(10)->Arg(100)->Arg(300)->Arg(1000)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->MinTime(2);

BENCHMARK_MAIN();
