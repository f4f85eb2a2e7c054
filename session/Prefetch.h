#pragma once

// A hint that `address` is read soon: for reads at random places in a list
// far larger than the caches, started while earlier work goes on.
inline void prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}
