// What opening a reference tree costs: loading each window (its text and its whole tree) and,
// for the object tree, the rebuild that every use of its menu item runs.
#include "controls/richtextbox.h"
#include "objref/fomobj.h"
#include "objref/objectreference.h"
#include "reference/cssreference.h"
#include "reference/forcss.h"
#include "reference/fortag.h"

#include <benchmark/benchmark.h>

static void BM_CssTreeLoad(benchmark::State &state)
{
    CssReference object;
    RichTextBox source(nullptr, QStringLiteral(u"RB1"));
    for (auto _ : state) {
        ForCss window(object, source);
        window.Form_Load();
        benchmark::DoNotOptimize(window.TV1.count());
    }
}
BENCHMARK(BM_CssTreeLoad)->Unit(benchmark::kMillisecond);

static void BM_TagTreeLoad(benchmark::State &state)
{
    RichTextBox source(nullptr, QStringLiteral(u"RB1"));
    CheckBox tagCase(nullptr, QStringLiteral(u"Check2"));
    for (auto _ : state) {
        Fortag window(source, tagCase);
        window.Form_Load();
        benchmark::DoNotOptimize(window.TV1.count());
    }
}
BENCHMARK(BM_TagTreeLoad)->Unit(benchmark::kMillisecond);

static void BM_ObjectTreeRebuild(benchmark::State &state)
{
    ObjectReference object;
    object.GetString();
    RichTextBox source(nullptr, QStringLiteral(u"RB1"));
    FomObj window(object, source);
    window.Form_Load();
    for (auto _ : state) {
        window.tree();
        benchmark::DoNotOptimize(window.TV1.count());
    }
    state.counters["nodes"] = window.TV1.count();
}
BENCHMARK(BM_ObjectTreeRebuild)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
