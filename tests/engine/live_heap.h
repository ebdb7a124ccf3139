// Bytes the process holds on the heap right now, to see that a long simulation does not grow.
#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// From the address sanitizer's runtime (its header does not ship with every compiler).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace klaxora::test {

inline long long liveHeapBytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
#endif
}

} // namespace klaxora::test
