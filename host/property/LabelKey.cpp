#include <velmaris/host/property/LabelKey.h>

#include <utility>

namespace CCAPIBaseCommon {

LabelKey::LabelKey(std::string stringKey, std::string categoryKey, int displayPosition,
                   bool visible, bool editable)
    : m_stringKey(std::move(stringKey))
    , m_categoryKey(std::move(categoryKey))
    , m_displayPosition(displayPosition)
    , m_visible(visible)
    , m_editable(editable)
{
}

LabelKey &LabelKey::setVisible(bool visible)
{
    m_visible = visible;
    return *this;
}

LabelKey &LabelKey::setEditable(bool editable)
{
    m_editable = editable;
    return *this;
}

LabelKey &LabelKey::setDisplayPosition(int position)
{
    m_displayPosition = position;
    return *this;
}

} // namespace CCAPIBaseCommon
