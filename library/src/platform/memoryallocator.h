#pragma once

// How the program's allocator hands out large blocks, set once at its start,
// before anything is allocated that should follow it. The benchmarks set it
// the same way, so that they pay what the program pays for a block.
class TMemoryAllocator
{
public:
    static void setUpAsTheProgram();
};
