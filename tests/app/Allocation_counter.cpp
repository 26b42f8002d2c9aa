#include "app/Allocation_counter.h"
#include <cstdlib>
#include <new>

std::atomic<bool> Allocation_counter::counting{false};
std::atomic<int> Allocation_counter::allocations{0};

void* operator new(size_t n) {
    if (Allocation_counter::counting) Allocation_counter::allocations++;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t n) {
    return operator new(n);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p, size_t) noexcept {
    std::free(p);
}
