#pragma once

#include <QStringView>

#include <algorithm>
#include <functional>
#include <thread>
#include <vector>

// Runs `slice(worker, first, last)` over 0..count split into `workers` contiguous slices, slice 0 on
// the calling thread, and returns when all are done. The work must touch disjoint data per slice.
namespace parallel {

// Characters (or bytes) of text a worker takes at least, in passes that scan or copy a text: below
// that, starting a thread costs more than it saves.
constexpr long long TextPerWorker = 1 << 18;

inline int workersFor(long long units, long long unitsPerWorker = 20000)
{
    if (units < unitsPerWorker)
        return 1;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return int(std::min<long long>({8, cores, units / unitsPerWorker}));
}

template <typename F>
void slices(long long count, int workers, F &&slice)
{
    auto run = [&](int w) {
        slice(w, count * w / workers, count * (w + 1) / workers);
    };
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w)
        threads.emplace_back(run, w);
    run(0);
    for (std::thread &t : threads)
        t.join();
}

// Where `workers` slices of `text` begin, each at a line start (just after an LF) at or after an
// even share of the text, and the text's end: workers + 1 places, a slice possibly empty.
inline std::vector<qsizetype> lineSlices(QStringView text, int workers)
{
    const qsizetype n = text.size();
    std::vector<qsizetype> bounds{0};
    for (int w = 1; w < workers; ++w) {
        const qsizetype line = text.indexOf(u'\n', std::max(n * w / workers, bounds.back()));
        bounds.push_back(line < 0 ? n : line + 1);
    }
    bounds.push_back(n);
    return bounds;
}

} // namespace parallel
