#pragma once

#include <velmaris/velmaris_host_export.h>

#include <string>

namespace CCAPIBaseCommon {

/// \addtogroup hoststandin
/// @{

/// Identity and presentation of one property: the key its label is looked up by, the
/// category it is grouped under, and how the views show it.
class VELMARIS_HOST_EXPORT LabelKey
{
public:
    /// Keys are kept as given, neither of them checked.
    LabelKey(std::string stringKey, std::string categoryKey, int displayPosition = 0,
             bool visible = true, bool editable = true);

    /// The key the property's label is looked up by; it also tells which property this is.
    const std::string &getStringKey() const { return m_stringKey; }
    /// The key of the category row the property is shown under.
    const std::string &getCategoryKey() const { return m_categoryKey; }
    /// The label key's visibility, which a view may follow instead of
    /// BaseProperty::isPropertyVisible().
    bool isVisible() const { return m_visible; }
    /// Whether the property is meant to be edited; a label says so when it is not.
    bool isEditable() const { return m_editable; }
    /// Where the property comes in the views, lower first.
    int getDisplayPosition() const { return m_displayPosition; }

    /// Sets isVisible().
    LabelKey &setVisible(bool visible);
    /// Sets isEditable().
    LabelKey &setEditable(bool editable);
    /// Sets getDisplayPosition().
    LabelKey &setDisplayPosition(int position);

private:
    std::string m_stringKey;
    std::string m_categoryKey;
    int m_displayPosition;
    bool m_visible;
    bool m_editable;
};

/// @}

} // namespace CCAPIBaseCommon
