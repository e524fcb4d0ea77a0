#include <velmaris/model/EnumerationLabel.h>

#include <velmaris/host/property/ScalarProperties.h>
#include <velmaris/host/translation/ITranslator.h>

namespace Velmaris {

std::string enumerationLabel(const CCAPIBaseCommon::CostPropertyEnum &property,
                             const CCAPIBaseCommon::ITranslator &translator, int index)
{
    const std::vector<std::string> &allowed = property.getAllowedValues();
    if (index < 0 || static_cast<std::size_t>(index) >= allowed.size())
        return {};
    return translator.getLabel(allowed[static_cast<std::size_t>(index)]);
}

} // namespace Velmaris
