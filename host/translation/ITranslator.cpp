#include <velmaris/host/translation/ITranslator.h>

#include <velmaris/host/objects/TSObject.h>
#include <velmaris/host/property/BaseProperty.h>

namespace CCAPIBaseCommon {

ITranslator::~ITranslator() = default;

std::string ITranslator::getLabel(const CCAPIProcessLayout::TSObject *object) const
{
    if (!object)
        return {};
    if (!object->getName().empty())
        return object->getName();
    return getLabel(object->getTypeKey());
}

std::string ITranslator::getLabel(const BaseProperty *property) const
{
    return property ? getLabel(property->getLabelKey()) : std::string();
}

std::string ITranslator::getLabel(const LabelKey *labelKey) const
{
    return labelKey ? getLabel(labelKey->getStringKey()) : std::string();
}

std::string ITranslator::getLabel(const std::string &key, const std::string &fallback) const
{
    std::string label = getLabel(key);
    return label.empty() ? fallback : label;
}

} // namespace CCAPIBaseCommon
