#include <velmaris/host/objects/TSObject.h>

#include <utility>

namespace CCAPIProcessLayout {

TSObject::TSObject(std::string typeKey, std::string name)
    : m_typeKey(std::move(typeKey))
    , m_name(std::move(name))
{
}

TSObject::~TSObject() = default;

void TSObject::setName(std::string name)
{
    m_name = std::move(name);
}

const std::string BaseFeature::s_nameProperty = "FEA_Name";
const std::string BaseBaseAssembly::s_airCushionUsedProperty = "ASM_AirCushionUsed";

} // namespace CCAPIProcessLayout
