#pragma once

#include <velmaris/host/translation/ITranslator.h>

#include <map>
#include <string>
#include <unordered_map>

namespace CCAPIAccess {

// The label database of a process layout: key string to label, per language. A key with no
// label in the active language falls back to the default language, then to the empty text.
class VELMARIS_HOST_EXPORT DataBaseControl : public CCAPIBaseCommon::ITranslator
{
public:
    static const std::string s_defaultLanguage;

    DataBaseControl();

    using CCAPIBaseCommon::ITranslator::getLabel;
    std::string getActiveLanguage() const override { return m_activeLanguage; }
    std::string getLabel(const std::string &key) const override;

    void setActiveLanguage(std::string language);
    void setLabel(const std::string &key, std::string label,
                  const std::string &language = s_defaultLanguage);

    // Hashed: a view looks labels up for every filled cell, in tables of many thousand keys.
    using LabelTable = std::unordered_map<std::string, std::string>;
    using LabelTables = std::map<std::string, LabelTable, std::less<>>;
    // Every label by language, for saving a plan's labels.
    const LabelTables &labelTables() const { return m_tables; }

private:
    const std::string *find(const std::string &language, const std::string &key) const;

    LabelTables m_tables;
    std::string m_activeLanguage;
};

} // namespace CCAPIAccess
