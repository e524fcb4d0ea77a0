#pragma once

namespace Velmaris {
/// How long commands take, in the host's older terms.
/// \ingroup hoststandin
namespace LegacyProgress {

/// \addtogroup hoststandin
/// @{

/// How long a command takes, so that an executor can decide whether to show progress.
struct Speed
{
    /// The expected duration of CommandBase::execute(), from no wait to a long one.
    enum Rate : int {
        Immediate = 0, ///< Done before anyone would notice a wait; what a command says by default.
        Fast = 1,      ///< A short wait.
        Slow = 2       ///< Long enough for a progress display.
    };
};

/// @}

} // namespace LegacyProgress
} // namespace Velmaris
