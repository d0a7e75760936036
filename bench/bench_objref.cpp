// The object reference texts are fetched at every program start; this measures what a fresh
// object costs once the shared texts exist.
#include "objref/objectreference.h"

#include <benchmark/benchmark.h>

static void BM_FomObjStartUpCalls(benchmark::State &state)
{
    for (auto _ : state) {
        ObjectReference obj;
        obj.Gets();
        obj.GetString();
        benchmark::DoNotOptimize(obj.Yoyakugo());
        benchmark::DoNotOptimize(obj.objRefTextLower.size());
    }
}
BENCHMARK(BM_FomObjStartUpCalls);

BENCHMARK_MAIN();
