#include <velmaris/host/access/DataBaseControl.h>

#include <utility>

namespace CCAPIAccess {

const std::string DataBaseControl::s_defaultLanguage = "en";

DataBaseControl::DataBaseControl()
    : m_activeLanguage(s_defaultLanguage)
{
}

const LabelTable *DataBaseControl::tableOf(const std::string &language) const
{
    const auto table = m_tables.find(language);
    return table == m_tables.end() ? nullptr : &table->second;
}

void DataBaseControl::bindTables()
{
    m_activeTable = tableOf(m_activeLanguage);
    m_defaultTable = tableOf(s_defaultLanguage);
}

std::string DataBaseControl::getLabel(const std::string &key) const
{
    for (const LabelTable *table : {m_activeTable, m_defaultTable}) {
        if (const std::string *label = table ? table->find(key) : nullptr)
            return *label;
    }
    return {};
}

void DataBaseControl::setActiveLanguage(std::string language)
{
    m_activeLanguage = std::move(language);
    bindTables();
}

void DataBaseControl::setLabel(const std::string &key, std::string label,
                               const std::string &language)
{
    const auto [table, added] = m_tables.try_emplace(language);
    table->second.set(key, std::move(label));
    if (added)
        bindTables();
}

} // namespace CCAPIAccess
