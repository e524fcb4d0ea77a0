#pragma once

#include <velmaris/velmaris_host_export.h>

namespace CCAPIAccess {

class DataBaseControl;

// Access to the services of the process layout being edited.
class VELMARIS_HOST_EXPORT ProcessLayoutController
{
public:
    // The control is borrowed and must outlive the controller.
    explicit ProcessLayoutController(DataBaseControl *control) : m_control(control) {}

    DataBaseControl *getDatabaseControl() const { return m_control; }

private:
    DataBaseControl *m_control;
};

} // namespace CCAPIAccess
