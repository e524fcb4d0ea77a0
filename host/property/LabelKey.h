#pragma once

#include <velmaris/velmaris_host_export.h>

#include <string>

namespace CCAPIBaseCommon {

// Identity and presentation of one property: the key its label is looked up by, the
// category it is grouped under, and how the views show it.
class VELMARIS_HOST_EXPORT LabelKey
{
public:
    LabelKey(std::string stringKey, std::string categoryKey, int displayPosition = 0,
             bool visible = true, bool editable = true);

    const std::string &getStringKey() const { return m_stringKey; }
    const std::string &getCategoryKey() const { return m_categoryKey; }
    bool isVisible() const { return m_visible; }
    bool isEditable() const { return m_editable; }
    int getDisplayPosition() const { return m_displayPosition; }

    LabelKey &setVisible(bool visible);
    LabelKey &setEditable(bool editable);
    LabelKey &setDisplayPosition(int position);

private:
    std::string m_stringKey;
    std::string m_categoryKey;
    int m_displayPosition;
    bool m_visible;
    bool m_editable;
};

} // namespace CCAPIBaseCommon
