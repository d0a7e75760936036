// Setcolor2 on the source of a 1000 x 1000 table with the main window shown: the colouring pass,
// the runs handed to the source view and the view repainted.

#include "frame/form1.h"
#include "qt/formview.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include "benchsupport.h"
#include "benchsupport_qt.h"

namespace {

using benchsupport::peakMegabytes;

void BM_Setcolor2WithTheView(benchmark::State &state)
{
    QTemporaryDir dir;
    Form1 form;
    form.settingsFolder = dir.path();
    form.workFolder = dir.path();
    form.Form_Load();
    QString cells;
    for (int r = 0; r < 1000; ++r) {
        cells += u"[[";
        for (int c = 0; c < 1000; ++c)
            cells += (c ? QStringLiteral(u"$") : QString()) + QString::number(c);
        cells += u"]]\r\n";
    }
    form.RB3.setText(cells);
    for (int c = 0; c < 1000; c += 3)
        form.cellColors.set(0, c, QStringLiteral(u"#ff0000"));
    form.MakeTableSource();
    FormView view(form);
    view.show();
    form.TabStrip1.selectTab(3);
    QApplication::processEvents();
    for (auto _ : state) {
        // Switching the scheme makes Setcolor2 colour the whole text anew.
        form.Check1.setValue(form.Check1.value() == 1 ? 0 : 1);
        QApplication::processEvents();
    }
    state.counters["chars"] = double(form.RB1.text().size());
    state.counters["runs"] = double(form.RB1.runCount());
    state.counters["peak_MB"] = double(peakMegabytes());
}
BENCHMARK(BM_Setcolor2WithTheView)->Unit(benchmark::kMillisecond)->Iterations(4);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
