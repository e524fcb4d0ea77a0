#include <velmaris/model/StoredNumber.h>

#include <velmaris/host/property/BaseMultiProperty.h>
#include <velmaris/host/property/CostProperty.h>

namespace Velmaris {

std::optional<StoredNumber> StoredNumberReader::operator()(const CCAPIBaseCommon::BaseProperty &property)
{
    if (const auto *single = m_single(property))
        return StoredNumber{single->getDoubleValue(), single->getMinAllowedValue(), single->getMaxAllowedValue()};
    if (const auto *multi = m_multi(property))
        return StoredNumber{multi->getNumericValue(), multi->getMinAllowedValue(), multi->getMaxAllowedValue()};
    return std::nullopt;
}

} // namespace Velmaris
