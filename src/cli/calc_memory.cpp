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

}  // namespace

void prepareCalcHeap()
{
    // One heap for every thread: the tables of both threads share its pages.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(kHeapStep));
    mallopt(M_TOP_PAD, static_cast<int>(kHeapStep));
    const auto start = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // A block larger than what the heap has free makes it grow by the step;
    // freeing it leaves the room in the heap.
    void* volatile block = std::malloc(std::size_t{1} << 20);
    std::free(block);
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = end & ~(kLargePage - 1);
    if (start != static_cast<std::uintptr_t>(-1) && last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

}  // namespace kvor
