#include <velmaris/host/translation/TranslatorWithRules.h>

#include <velmaris/host/access/DataBaseControl.h>

namespace CCAPIBaseCommon {

TranslatorWithRules::TranslatorWithRules(const CCAPIAccess::DataBaseControl *control)
    : m_control(control)
{
}

std::string TranslatorWithRules::getActiveLanguage() const
{
    return m_control ? m_control->getActiveLanguage() : std::string();
}

std::string TranslatorWithRules::getLabel(const std::string &key) const
{
    return m_control ? m_control->getLabel(key) : std::string();
}

} // namespace CCAPIBaseCommon
