#include <velmaris/host/access/DataBaseControl.h>

#include <utility>

namespace CCAPIAccess {

const std::string DataBaseControl::s_defaultLanguage = "en";

DataBaseControl::DataBaseControl()
    : m_activeLanguage(s_defaultLanguage)
{
}

const std::string *DataBaseControl::find(const std::string &language, const std::string &key) const
{
    const auto table = m_tables.find(language);
    if (table == m_tables.end())
        return nullptr;
    const auto entry = table->second.find(key);
    return entry == table->second.end() ? nullptr : &entry->second;
}

std::string DataBaseControl::getLabel(const std::string &key) const
{
    if (const std::string *label = find(m_activeLanguage, key))
        return *label;
    if (const std::string *label = find(s_defaultLanguage, key))
        return *label;
    return {};
}

void DataBaseControl::setActiveLanguage(std::string language)
{
    m_activeLanguage = std::move(language);
}

void DataBaseControl::setLabel(const std::string &key, std::string label,
                               const std::string &language)
{
    m_tables[language][key] = std::move(label);
}

} // namespace CCAPIAccess
