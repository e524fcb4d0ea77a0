#pragma once

#include <velmaris/velmaris_host_export.h>

#include <string>

namespace CCAPIProcessLayout {

// An object of a process layout (operation, tool, feature, ...) as the owner of properties.
// Its label is its own name, or the label of its type when it has none.
class VELMARIS_HOST_EXPORT TSObject
{
public:
    TSObject(std::string typeKey, std::string name = {});
    virtual ~TSObject();

    const std::string &getTypeKey() const { return m_typeKey; }
    const std::string &getName() const { return m_name; }
    void setName(std::string name);

private:
    std::string m_typeKey;
    std::string m_name;
};

class VELMARIS_HOST_EXPORT BaseFeature : public TSObject
{
public:
    using TSObject::TSObject;
    // Key of a feature's name property, which the design renames through its own command.
    static const std::string s_nameProperty;
};

class VELMARIS_HOST_EXPORT BaseBaseAssembly : public TSObject
{
public:
    using TSObject::TSObject;
    // Key of the assembly flag whose change the design handles itself.
    static const std::string s_airCushionUsedProperty;
};

} // namespace CCAPIProcessLayout
