#pragma once

#include <velmaris/velmaris_host_export.h>

namespace Velmaris {

/// \addtogroup hoststandin
/// @{

/// The plan object a property container belongs to, known to the views by its id.
class VELMARIS_HOST_EXPORT Object
{
public:
    /// Any id is taken; none is checked for uniqueness.
    explicit Object(int objectId) : id(objectId) {}

    int id; ///< The id the views store in the value cells of the object's properties.
};

/// @}

} // namespace Velmaris
