// Huge pages on Linux: transparent huge pages asked for with madvise. Only whole 2 MB frames inside
// the buffer can be huge; the advice on the rest is harmless.

#include "controls/hugepages.h"

#include <cstdint>
#include <sys/mman.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace hugepages {

void keepLargeBuffers()
{
#if defined(__GLIBC__)
    // Large blocks come from the heap instead of mappings of their own, and the heap is not
    // shrunk when they are freed: a freed block's pages serve the next block as they are.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

void advise(const void *data, std::size_t bytes)
{
    constexpr std::uintptr_t Huge = std::uintptr_t(2) << 20;
    if (!data || bytes < 2 * Huge)
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + Huge - 1) & ~(Huge - 1);
    const std::uintptr_t last = (start + bytes) & ~(Huge - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
}

} // namespace hugepages
