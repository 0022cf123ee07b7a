#include "evaluation/parallel_tasks.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace kvor {

void runInParallel(std::size_t count, const std::function<void(std::size_t)>& task)
{
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < count; i = next++)
            task(i);
    };
    const std::size_t threads = std::min<std::size_t>(std::max(std::thread::hardware_concurrency(), 1u), count);
    std::vector<std::jthread> helpers;
    for (std::size_t k = 1; k < threads; ++k) {
        try {
            helpers.emplace_back(work);
        } catch (const std::exception&) {
            break;  // fewer helpers: the tasks are shared among those that started
        }
    }
    work();
}  // the helpers are joined here

}  // namespace kvor
