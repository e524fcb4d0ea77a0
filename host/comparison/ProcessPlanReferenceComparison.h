#pragma once

#include <velmaris/velmaris_host_export.h>

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace Velmaris {

/// \addtogroup hoststandin
/// @{

/// The host's comparison of a plan's properties with those of a reference plan.
class VELMARIS_HOST_EXPORT ProcessPlanReferenceComparison
{
public:
    /// Equal when both are of one kind and hold the same value (two properties without a value
    /// are equal; NaN equals NaN). False when either property is missing. When
    /// @p differsInValueOnly is given it tells whether the two are of one kind and differ only
    /// in their value.
    static bool isPropertyEqual(const CCAPIBaseCommon::BaseProperty *property,
                                const CCAPIBaseCommon::BaseProperty *reference,
                                bool *differsInValueOnly);

    /// Test seam: how often isPropertyEqual() ran since the last reset, in the whole process.
    static int callCount();
    /// Starts callCount() again from 0.
    static void resetCallCount();
};

/// @}

} // namespace Velmaris
