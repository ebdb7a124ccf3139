// How the C library's heap is set up for the alarm lists: once, at the start of the process.
#pragma once

namespace klaxora {

// Freed memory is merged with its free neighbours at once instead of first waiting in the C library's
// fast bins. A reload frees every record of the old lists; merging hundreds of thousands of waiting
// pieces later walks the heap at random, a third of the reload's time at 100,000 alarms. Does nothing
// where the C library has no such setting.
void TuneHeapForLongLists();

} // namespace klaxora
