#pragma once

// Whether a fault with that count acts now, counting it down: a count is the
// number of times it acts, -1 for always.
inline bool consumeFault(int& pCount)
{
    if (pCount < 0)
        return true;
    if (pCount == 0)
        return false;
    --pCount;
    return true;
}
