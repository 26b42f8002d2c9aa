// Counts the program's allocations through operator new while switched on.
#pragma once
#include <atomic>

namespace Allocation_counter {
extern std::atomic<bool> counting;
extern std::atomic<int> allocations;
}  // namespace Allocation_counter
