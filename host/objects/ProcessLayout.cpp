#include <velmaris/host/objects/ProcessLayout.h>

namespace Velmaris {

ProcessLayout::ProcessLayout(CCAPIBaseCommon::ITranslator *translator)
    : m_translator(translator)
{
}

} // namespace Velmaris
