#pragma once

#include <cstddef>

namespace sporix::test {

// While one exists, every single allocation through operator new larger than `limit`
// bytes is refused (it throws std::bad_alloc, as an exhausted machine would), and the
// largest one asked for is kept. A picture refused from its header never asks for more
// than a few kilobytes; one decoded before the check asks for gigabytes.
class AllocationCap {
public:
    explicit AllocationCap(std::size_t limit);
    ~AllocationCap();
    AllocationCap(const AllocationCap&) = delete;
    AllocationCap& operator=(const AllocationCap&) = delete;

    // The largest single allocation asked for since the cap was set, refused or not.
    std::size_t largestAsked() const;
};

}  // namespace sporix::test
