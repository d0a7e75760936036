// Speed of the colour picker's views: the first visit to the named view (139 swatches) and to the
// extended view (447 swatches), with the picker's window shown, until every swatch has its widget
// and has been painted; and the view switch once the swatches exist.
#include "colour/fomcolor.h"
#include "qt/formview.h"
#include "qt/windowservice.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include "benchsupport_qt.h"

namespace {

struct Picker
{
    Picker()
    {
        for (int i = 0; i <= 6; ++i)
            boxes.add(&owner, QStringLiteral(u"Text5"), i);
        Services services;
        services.windows = &windows;
        picker = std::make_unique<FomColor>(boxes, target, services);
        picker->setWindowService(&windows);
        picker->Form_Load();
        picker->setVisible(true);
        settle();
    }
    ~Picker() { windows.release(*picker); }
    void settle()
    {
        QApplication::processEvents();
        QApplication::processEvents();
        windows.viewOf(*picker)->grab();
    }

    Form owner{QStringLiteral(u"Form1")};
    ControlArray<TextBox> boxes;
    qint16 target = 0;
    QtWindowService windows;
    std::unique_ptr<FomColor> picker;
};

void BM_FirstVisit(benchmark::State &state, bool extended)
{
    int swatches = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto p = std::make_unique<Picker>();
        state.ResumeTiming();
        (extended ? p->picker->Option3 : p->picker->Option1).userClicked();
        p->settle();
        state.PauseTiming();
        swatches = extended ? p->picker->Text5.count() : p->picker->Text1.count();
        p.reset();
        state.ResumeTiming();
    }
    state.counters["swatches"] = swatches;
}
BENCHMARK_CAPTURE(BM_FirstVisit, named, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstVisit, extended, true)->Unit(benchmark::kMillisecond);

void BM_SwitchBuiltViews(benchmark::State &state)
{
    Picker p;
    p.picker->Option1.userClicked();
    p.picker->Option3.userClicked();
    p.settle();
    for (auto _ : state) {
        p.picker->Option1.userClicked();
        p.settle();
        p.picker->Option3.userClicked();
        p.settle();
    }
}
BENCHMARK(BM_SwitchBuiltViews)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
