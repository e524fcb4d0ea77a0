#pragma once

#include <velmaris/velmaris_host_export.h>

namespace CCAPIBaseCommon {
class ITranslator;
}

namespace Velmaris {

/// \addtogroup hoststandin
/// @{

/// A process plan as the commands see it: what they change and who names its parts.
class VELMARIS_HOST_EXPORT ProcessLayout
{
public:
    /// The translator is borrowed and must outlive the layout.
    explicit ProcessLayout(CCAPIBaseCommon::ITranslator *translator);

    /// The translator given to the constructor, not owned; may be null.
    CCAPIBaseCommon::ITranslator *getTranslator() const { return m_translator; }

private:
    CCAPIBaseCommon::ITranslator *m_translator;
};

/// @}

} // namespace Velmaris
