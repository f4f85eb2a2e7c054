#pragma once
#include <cstddef>

// A seam into every allocation of the test executable that links
// AllocationFaults.cpp (which replaces the global operator new): while a
// FailingAllocations object lives, the allocations after the first `allowed`
// ones throw std::bad_alloc.
namespace Test
{
    class FailingAllocations
    {
    public:
        explicit FailingAllocations(std::size_t allowed);
        ~FailingAllocations();
        FailingAllocations(const FailingAllocations&) = delete;
        FailingAllocations& operator=(const FailingAllocations&) = delete;

        // How many allocations were refused so far.
        std::size_t refused() const;
    };
}
