// MakeTableSource on square designs, every cell filled, with attributes and merges spread over the
// table, as the table itself and as the script that writes it. Reports the source length and the
// process's peak memory.

#include "frame/form1.h"

#include <benchmark/benchmark.h>
#include "benchsupport.h"

namespace {

QString cellData(int n)
{
    QString text;
    text.reserve(qsizetype(n) * n * 8);
    for (int r = 0; r < n; ++r) {
        text += u"[[";
        for (int c = 0; c < n; ++c) {
            if (c)
                text += u'$';
            text += QStringLiteral(u"セル") + QString::number(c);
        }
        text += u"]]\r\n";
    }
    return text;
}

void decorate(Form1 &f, int n)
{
    f.Txttit.setText(QStringLiteral(u"時刻表"));
    f.Check4.setValue(1);
    for (int r = 0; r < n; ++r) {
        f.rowHeights.set(r, QStringLiteral(u"20"));
        for (int c = 0; c < n; ++c) {
            if ((r + c) % 3 == 0)
                f.cellColors.set(r, c, QStringLiteral(u"#FFEEDD"));
            if (c % 4 == 1)
                f.cellIchiYoko.set(r, c, QStringLiteral(u"center"));
            if (r % 5 == 2)
                f.cellFontColors.set(r, c, QStringLiteral(u"red"));
            if ((r * 7 + c) % 11 == 0)
                f.cellNowraps.set(r, c, QStringLiteral(u"no"));
        }
    }
    for (int r = 0; r + 1 < n; r += 10)
        for (int c = 0; c + 1 < n; c += 10)
            f.cellSpans.set(r, c, QStringLiteral(u"2,2"));
}

using benchsupport::peakMegabytes;

// Makes the source of the decorated n x n design over and over: the table itself, or the script
// that writes it.
void makeSource(benchmark::State &state, bool script)
{
    const int n = int(state.range(0));
    Form1 f;
    f.RB3.setText(cellData(n));
    f.MakeTableSource(); // the first run moves the counts; measure the steady state
    decorate(f, n);
    f.Check5.setValue(script ? 1 : 0);
    for (auto _ : state) {
        f.MakeTableSource();
        benchmark::DoNotOptimize(f.RB1.text().size());
    }
    state.counters["cells"] = double(n) * n;
    state.counters["source_chars"] = double(f.RB1.text().size());
    state.counters["peak_MB"] = double(peakMegabytes());
    state.SetComplexityN(qint64(n) * n);
}

void BM_MakeTableSource(benchmark::State &state)
{
    makeSource(state, false);
}
BENCHMARK(BM_MakeTableSource)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_MakeScriptSource(benchmark::State &state)
{
    makeSource(state, true);
}
BENCHMARK(BM_MakeScriptSource)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
