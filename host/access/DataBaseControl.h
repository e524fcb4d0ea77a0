#pragma once

#include <velmaris/host/access/LabelTable.h>
#include <velmaris/host/translation/ITranslator.h>

#include <map>
#include <string>

/// Stand-in for the host's data access library: the services of the process layout being
/// edited.
/// \ingroup hoststandin
namespace CCAPIAccess {

/// \addtogroup hoststandin
/// @{

/// The label database of a process layout: key string to label, per language. A key with no
/// label in the active language falls back to the default language, then to the empty text.
class VELMARIS_HOST_EXPORT DataBaseControl : public CCAPIBaseCommon::ITranslator
{
public:
    /// "en": the language a new control starts in and the one labels fall back to.
    static const std::string s_defaultLanguage;

    /// An empty database whose active language is s_defaultLanguage.
    DataBaseControl();
    /// Not copied: it is the one label database of its layout.
    DataBaseControl(const DataBaseControl &) = delete;
    DataBaseControl &operator=(const DataBaseControl &) = delete;

    using CCAPIBaseCommon::ITranslator::getLabel;
    /// The language set last by setActiveLanguage(), s_defaultLanguage before.
    std::string getActiveLanguage() const override { return m_activeLanguage; }
    /// The label in the active language, else in s_defaultLanguage, else empty.
    std::string getLabel(const std::string &key) const override;

    /// Any text is taken as a language; one without labels makes every lookup fall back.
    void setActiveLanguage(std::string language);
    /// Adds the label of @p key in @p language, replacing the one it had there.
    void setLabel(const std::string &key, std::string label,
                  const std::string &language = s_defaultLanguage);

    /// The label tables by language, in the order of the language codes.
    using LabelTables = std::map<std::string, LabelTable, std::less<>>;
    /// Every label by language, for saving a plan's labels; the control's own tables, changed
    /// by every setLabel().
    const LabelTables &labelTables() const { return m_tables; }

private:
    const LabelTable *tableOf(const std::string &language) const;
    void bindTables();

    LabelTables m_tables;
    std::string m_activeLanguage;
    // Every label lookup goes to these two; null while their language has no labels.
    const LabelTable *m_activeTable = nullptr;
    const LabelTable *m_defaultTable = nullptr;
};

/// @}

} // namespace CCAPIAccess
