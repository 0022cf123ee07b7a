#pragma once
// Independent tasks on all cores with standard threads.

#include <cstddef>
#include <functional>

namespace kvor {

// Calls task(0) .. task(count - 1), each exactly once, spread over the
// hardware threads (the calling thread among them); returns when all are done.
// The order among tasks is unspecified, so each must write only its own
// results, and none may throw. When no thread can be started the calling
// thread does them all.
void runInParallel(std::size_t count, const std::function<void(std::size_t)>& task);

}  // namespace kvor
