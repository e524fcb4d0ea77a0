#pragma once

#include <velmaris/velmaris_host_export.h>

#include <memory>

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace Velmaris {

class Object;

/// \addtogroup hoststandin
/// @{

/// Hands one property of an object to the views. A container turns invalid when its property
/// is withdrawn from the object (or never had one); the views skip invalid containers.
class VELMARIS_HOST_EXPORT PropertySignalContainer
{
public:
    /// Shares @p property (may be empty: the container is then invalid) and @p parent (may be
    /// empty: the property belongs to no object).
    explicit PropertySignalContainer(std::shared_ptr<CCAPIBaseCommon::BaseProperty> property,
                                     std::shared_ptr<Object> parent = {});

    /// The same, already shared, as the views take containers.
    static std::shared_ptr<PropertySignalContainer>
    make(std::shared_ptr<CCAPIBaseCommon::BaseProperty> property, std::shared_ptr<Object> parent = {});

    /// Null only when the container never had a property; withdrawing keeps it, so check
    /// isValid() first.
    CCAPIBaseCommon::BaseProperty *getProperty() const { return m_property.get(); }
    /// Whether there is a property and it was not withdrawn.
    bool isValid() const { return m_property && !m_withdrawn; }
    /// The owning object, held by the container; null when there is none.
    Object *getParentObject() const { return m_parent.get(); }
    /// The owning object as shared by the container; empty when there is none.
    const std::shared_ptr<Object> &parentObject() const { return m_parent; }

    /// Makes the container invalid for good; it still holds the property.
    void withdraw() { m_withdrawn = true; }

private:
    std::shared_ptr<CCAPIBaseCommon::BaseProperty> m_property;
    std::shared_ptr<Object> m_parent;
    bool m_withdrawn = false;
};

/// @}

} // namespace Velmaris
