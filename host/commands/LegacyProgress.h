#pragma once

namespace Velmaris {
namespace LegacyProgress {

// How long a command takes, so that an executor can decide whether to show progress.
struct Speed
{
    enum Rate : int { Immediate = 0, Fast = 1, Slow = 2 };
};

} // namespace LegacyProgress
} // namespace Velmaris
