#include "cli/calc_memory.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace kvor {

namespace {

// Room the heap takes in one step: the largest project's tables and the
// text of its file, with space to spare. Untouched room costs no memory.
constexpr std::size_t kHeapStep = std::size_t{160} << 20;
// Blocks up to this size come from the heap rather than from a mapping of
// their own, which would be returned to the system and touched anew.
constexpr int kLargestHeapBlock = 32 << 20;
constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
// MADV_COLLAPSE (Linux 6.1); older systems refuse it and nothing changes.
constexpr int kCollapse = 25;
// The heap's room below its first large page, held for the whole run
// (volatile: a block that is never read would otherwise not be taken at all).
void* volatile belowLargePages = nullptr;

}  // namespace

void prepareCalcHeap()
{
    // One heap for every thread: the tables of both threads share its pages.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(kHeapStep));
    mallopt(M_TOP_PAD, static_cast<int>(kHeapStep));
    const auto start = reinterpret_cast<std::uintptr_t>(sbrk(0));
    if (start == static_cast<std::uintptr_t>(-1))
        return;
    // A block larger than what the heap has free makes it grow by the step;
    // it comes from the heap's free end, and freeing it leaves the room there.
    void* volatile block = std::malloc(std::size_t{1} << 20);
    const auto freeEnd = reinterpret_cast<std::uintptr_t>(block);
    std::free(block);
    // Large pages begin at the heap's first 2 MB boundary. The room below it is
    // taken by one block that is never freed nor written (it costs no memory),
    // so that the tables start on large pages rather than on hundreds of 4 KB
    // pages, each touched on its own.
    const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
    constexpr std::uintptr_t kHeaders = 256;
    // (Only for a block of the heap below its break: where the heap could not
    // grow by the break, the block came from elsewhere and nothing is held.)
    if (freeEnd + kHeaders < first && first - freeEnd <= 2 * kLargePage)
        belowLargePages = std::malloc(first - freeEnd - kHeaders);
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t last = end & ~(kLargePage - 1);
    if (last > first) {
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
        // Growing the heap wrote a header at the end of the block, which may lie
        // on the first large page and have mapped it as 4 KB pages: made one.
        madvise(reinterpret_cast<void*>(first), kLargePage, kCollapse);
    }
}

}  // namespace kvor
