#pragma once

#include <velmaris/velmaris_host_export.h>

namespace CCAPIAccess {

class DataBaseControl;

/// \addtogroup hoststandin
/// @{

/// Access to the services of the process layout being edited; the stand-in offers only its
/// label database.
class VELMARIS_HOST_EXPORT ProcessLayoutController
{
public:
    /// The control is borrowed and must outlive the controller; null is kept as given.
    explicit ProcessLayoutController(DataBaseControl *control) : m_control(control) {}

    /// The control handed to the constructor, not owned; null when it was null.
    DataBaseControl *getDatabaseControl() const { return m_control; }

private:
    DataBaseControl *m_control;
};

/// @}

} // namespace CCAPIAccess
