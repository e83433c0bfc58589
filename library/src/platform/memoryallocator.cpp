#include "memoryallocator.h"

// Any header of the C library defines __GLIBC__; without one first the test
// below would always be false and the setting would never be made.
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void TMemoryAllocator::setUpAsTheProgram()
{
#ifdef __GLIBC__
    // Images are made and dropped all the time between long-lived small
    // objects: character images of the values, a VNC viewer's copies of the
    // screen, a dialog's look. The allocator's own threshold rises to the
    // largest block freed, after which such blocks come from the heap, whose
    // holes the program then keeps for good. A fixed threshold maps a block
    // from 16 KB on by itself, unless the heap has room for it at its top,
    // and gives it back as it is freed: work that makes such a block over
    // and over keeps its buffer, or stays below the threshold (a log file
    // on its way to a client is read and decoded in parts of 4 KB).
    mallopt(M_MMAP_THRESHOLD, 16 * 1024);
#endif
}
