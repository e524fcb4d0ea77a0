#pragma once

#include <malloc.h>

#include <memory>

// Heap bytes per item that a fresh Target and what fill puts into it hold.
template <typename Target, typename Fill>
double heapBytesPer(int items, Fill fill)
{
    const std::size_t before = mallinfo2().uordblks;
    auto target = std::make_unique<Target>();
    fill(*target);
    return static_cast<double>(mallinfo2().uordblks - before) / items;
}
