#pragma once

#include <atomic>
#include <cstdint>

namespace VelmarisEditor {

// Lets the GUI thread follow work that runs on another, and stop it where the work allows.
struct WorkProgress
{
    std::atomic<std::int64_t> done{0};
    std::atomic<std::int64_t> total{0};
    std::atomic<bool> cancelled{false};
};

} // namespace VelmarisEditor
