#pragma once

#include <velmaris/velmaris_host_export.h>

namespace Velmaris {

// The plan object a property container belongs to, known to the views by its id.
class VELMARIS_HOST_EXPORT Object
{
public:
    explicit Object(int objectId) : id(objectId) {}

    int id;
};

} // namespace Velmaris
