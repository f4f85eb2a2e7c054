#include "tests/support/AllocationFaults.h"

#include <cstdlib>
#include <new>

namespace
{
    bool armed = false;
    std::size_t allowedLeft = 0;
    std::size_t refusedCount = 0;

    void* allocate(std::size_t size)
    {
        if (armed)
        {
            if (allowedLeft == 0)
            {
                ++refusedCount;
                throw std::bad_alloc();
            }
            --allowedLeft;
        }
        if (void* block = std::malloc(size == 0 ? 1 : size))
            return block;
        throw std::bad_alloc();
    }
}

namespace Test
{
    FailingAllocations::FailingAllocations(std::size_t allowed)
    {
        allowedLeft = allowed;
        refusedCount = 0;
        armed = true;
    }

    FailingAllocations::~FailingAllocations()
    {
        armed = false;
    }

    std::size_t FailingAllocations::refused() const
    {
        return refusedCount;
    }
}

void* operator new(std::size_t size)
{
    return allocate(size);
}

void* operator new[](std::size_t size)
{
    return allocate(size);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}
