// Huge pages on Linux: transparent huge pages asked for with madvise. Only whole 2 MB frames inside
// the buffer can be huge; the advice on the rest is harmless.

#include "controls/hugepages.h"

#include <cstdint>
#include <sys/mman.h>

namespace hugepages {

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
