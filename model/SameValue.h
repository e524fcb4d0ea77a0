#pragma once

#include <velmaris/host/property/PropertyValue.h>

#include <string>

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace Velmaris {

// One property's value, to tell whether others of its kind hold the same, so that one cell
// can show it for all: enumerations by the key of their value, as objects may count their
// allowed values differently; no value equals only no value. Read once, compared with many.
class SameValue
{
public:
    explicit SameValue(const CCAPIBaseCommon::BaseProperty &property);

    bool in(const CCAPIBaseCommon::BaseProperty &other) const;

private:
    int m_typeCode;
    bool m_noValue;
    const std::string *m_key = nullptr;  // enumerations; null for an index outside the values
    const std::string *m_text = nullptr; // texts, compared in place
    CCAPIBaseCommon::PropertyValue m_value; // every other kind
};

} // namespace Velmaris
