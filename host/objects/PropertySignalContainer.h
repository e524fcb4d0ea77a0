#pragma once

#include <velmaris/velmaris_host_export.h>

#include <memory>

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace Velmaris {

class Object;

// Hands one property of an object to the views. A container turns invalid when its property
// is withdrawn from the object (or never had one); the views skip invalid containers.
class VELMARIS_HOST_EXPORT PropertySignalContainer
{
public:
    explicit PropertySignalContainer(std::shared_ptr<CCAPIBaseCommon::BaseProperty> property,
                                     std::shared_ptr<Object> parent = {});

    static std::shared_ptr<PropertySignalContainer>
    make(std::shared_ptr<CCAPIBaseCommon::BaseProperty> property, std::shared_ptr<Object> parent = {});

    CCAPIBaseCommon::BaseProperty *getProperty() const { return m_property.get(); }
    bool isValid() const { return m_property && !m_withdrawn; }
    Object *getParentObject() const { return m_parent.get(); }
    const std::shared_ptr<Object> &parentObject() const { return m_parent; }

    void withdraw() { m_withdrawn = true; }

private:
    std::shared_ptr<CCAPIBaseCommon::BaseProperty> m_property;
    std::shared_ptr<Object> m_parent;
    bool m_withdrawn = false;
};

} // namespace Velmaris
