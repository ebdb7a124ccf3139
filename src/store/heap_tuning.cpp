#include "store/heap_tuning.h"

// Defines __GLIBC__ where the C library is glibc.
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace klaxora {

void TuneHeapForLongLists()
{
#ifdef __GLIBC__
    mallopt(M_MXFAST, 0);
#endif
}

} // namespace klaxora
