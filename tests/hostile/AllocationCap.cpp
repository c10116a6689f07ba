// Replaces the global operator new and delete of the hostile tests (all forms that the
// library would otherwise pair with the sanitizer's own, so that every pair stays
// malloc/free) to watch the size of each allocation.
#include "AllocationCap.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace sporix::test {

namespace {

std::atomic<std::size_t> activeLimit{0};  // 0: no cap
std::atomic<std::size_t> largest{0};

void* allocate(std::size_t size) noexcept {
    const std::size_t limit = activeLimit.load(std::memory_order_relaxed);
    if (limit != 0) {
        std::size_t seen = largest.load(std::memory_order_relaxed);
        while (size > seen && !largest.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
        }
        if (size > limit) return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

AllocationCap::AllocationCap(std::size_t limit) {
    largest.store(0);
    activeLimit.store(limit);
}

AllocationCap::~AllocationCap() { activeLimit.store(0); }

std::size_t AllocationCap::largestAsked() const { return largest.load(); }

}  // namespace sporix::test

void* operator new(std::size_t size) {
    if (void* p = sporix::test::allocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return sporix::test::allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return sporix::test::allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
