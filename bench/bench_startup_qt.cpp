// Start-up as the program does it: construct the main window, run its load handler, build and show
// its Qt window. Reports the process's peak memory after start-up.

#include "frame/form1.h"
#include "qt/formview.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include "benchsupport.h"
#include "benchsupport_qt.h"

namespace {

using benchsupport::peakMegabytes;

void BM_StartUp(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        Form1 form;
        form.settingsFolder = dir.path();
        form.workFolder = dir.path();
        form.Form_Load();
        FormView view(form);
        view.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.isVisible());
        state.PauseTiming();
        view.close();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = double(peakMegabytes());
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
