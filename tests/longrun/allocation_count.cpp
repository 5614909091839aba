// The global allocation operators, replaced to count calls. Kept in a file of their own so
// that the compiler never sees them inlined next to a caller's allocation.
#include "allocation_count.h"

#include <atomic>
#include <cstdlib>
#include <new>

static std::atomic<uint64_t> allocations{0};

uint64_t AllocationCount() {
    return allocations;
}

void *operator new(std::size_t size) {
    ++allocations;
    void *block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void *operator new[](std::size_t size) {
    return operator new(size);
}

void operator delete(void *block) noexcept {
    std::free(block);
}

void operator delete[](void *block) noexcept {
    std::free(block);
}

void operator delete(void *block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void *block, std::size_t) noexcept {
    std::free(block);
}
