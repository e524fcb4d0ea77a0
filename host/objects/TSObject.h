#pragma once

#include <velmaris/velmaris_host_export.h>

#include <string>

/// Stand-in for the host's process layout library: the objects of a plan.
/// \ingroup hoststandin
namespace CCAPIProcessLayout {

/// \addtogroup hoststandin
/// @{

/// An object of a process layout (operation, tool, feature, ...) as the owner of properties.
/// Its label is its own name, or the label of its type when it has none.
class VELMARIS_HOST_EXPORT TSObject
{
public:
    /// An object of the type @p typeKey; without @p name it is labelled by its type.
    TSObject(std::string typeKey, std::string name = {});
    virtual ~TSObject();

    /// The key its type's label is looked up by.
    const std::string &getTypeKey() const { return m_typeKey; }
    /// The object's own name; empty when it has none.
    const std::string &getName() const { return m_name; }
    /// An empty name makes the object labelled by its type again.
    void setName(std::string name);

private:
    std::string m_typeKey;
    std::string m_name;
};

/// A feature of a process layout, whose name other objects refer to.
class VELMARIS_HOST_EXPORT BaseFeature : public TSObject
{
public:
    using TSObject::TSObject;
    /// Key of a feature's name property, which the design renames through its own command.
    static const std::string s_nameProperty;
};

/// An assembly of a process layout.
class VELMARIS_HOST_EXPORT BaseBaseAssembly : public TSObject
{
public:
    using TSObject::TSObject;
    /// Key of the assembly flag whose change the design handles itself.
    static const std::string s_airCushionUsedProperty;
};

/// @}

} // namespace CCAPIProcessLayout
