// A CSV file imported into a freshly started main window, its table source made (what the file
// menu's CSV import does), on square tables of 10 to 1000 cells a side; beside it, in the same run,
// the plain script bench/csv_to_html.py turning the same file into an HTML table. The CSV file is
// CP932, one row a line, cells of about 12 characters mixing Japanese and ASCII, no quoting.
//
// Run with repetitions and read the medians: the machine is shared.
//     bench_import --benchmark_repetitions=7 --benchmark_report_aggregates_only=true

#include "frame/form1.h"

#include <QFile>
#include <QProcess>
#include <benchmark/benchmark.h>
#include "benchsupport.h"

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

class OneFile : public FileDialogService
{
public:
    QString path;
    std::optional<QString> open(const FileDialogRequest &) override { return path; }
    std::optional<QString> save(const FileDialogRequest &) override { return std::nullopt; }
};

using benchsupport::csvFile;
using benchsupport::folder;
using benchsupport::python;
using benchsupport::script;

void perCell(benchmark::State &state, double seconds, int n)
{
    const double cells = double(n) * n;
    state.counters["cells"] = cells;
    state.counters["us_per_cell"] = seconds / double(state.iterations()) / cells * 1e6;
    state.counters["csv_MB"] = double(QFile(csvFile(n)).size()) / 1e6;
}

void BM_ImportCsvAndMake(benchmark::State &state)
{
    const int n = int(state.range(0));
    OneFile files;
    files.path = csvFile(n);
    Services services;
    services.files = &files;
    double total = 0;
    qsizetype sourceChars = 0;
    for (auto _ : state) {
        auto form = std::make_unique<Form1>(services);
        form->workFolder = folder().path();
        form->Form_Load();
        const auto start = Clock::now();
        form->ImportCsv();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        total += seconds;
        sourceChars = form->RB1.text().size();
    }
    perCell(state, total, n);
    state.counters["source_chars"] = double(sourceChars);
    state.counters["peak_MB"] = double(benchsupport::peakMegabytes());
}

// The script's own peak memory: a child's getrusage figure would include this (large) process,
// which the child was forked from, so the script is run once more reading its VmHWM at the end.
double scriptPeakMegabytes(const QString &input, const QString &output)
{
    QProcess run;
    run.start(python(),
              {QStringLiteral(u"-c"),
               QStringLiteral(u"import runpy, sys; sys.argv = sys.argv[1:]; "
                              u"runpy.run_path(sys.argv[0], run_name='__main__'); "
                              u"print([l for l in open('/proc/self/status') "
                              u"if l.startswith('VmHWM')][0].split()[1])"),
               script(), input, output});
    run.waitForFinished(-1);
    return QString::fromLocal8Bit(run.readAllStandardOutput()).trimmed().toDouble() / 1024.0;
}

// The script, started as a process of its own for each conversion: interpreter start-up included,
// as a user running it would have it.
void BM_PlainScript(benchmark::State &state)
{
    const int n = int(state.range(0));
    const QString input = csvFile(n);
    const QString output = folder().filePath(QStringLiteral(u"table%1.html").arg(n));
    python(); // found before the clock runs
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const int code = QProcess::execute(python(), {script(), input, output});
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (code != 0) {
            state.SkipWithError("python3 csv_to_html.py failed");
            return;
        }
        state.SetIterationTime(seconds);
        total += seconds;
    }
    perCell(state, total, n);
    state.counters["script_peak_MB"] = scriptPeakMegabytes(input, output);
}

} // namespace

BENCHMARK(BM_ImportCsvAndMake)->Arg(10)->Arg(100)->Arg(300)->Arg(1000)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_PlainScript)->Arg(10)->Arg(100)->Arg(300)->Arg(1000)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->MinTime(0.5);

BENCHMARK_MAIN();
