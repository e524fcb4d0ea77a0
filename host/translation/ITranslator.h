#pragma once

#include <velmaris/velmaris_host_export.h>

#include <string>

namespace CCAPIProcessLayout {
class TSObject;
}

namespace CCAPIBaseCommon {

class BaseProperty;
class LabelKey;

/// \addtogroup hoststandin
/// @{

/// Names the parts of a plan in the active language. Every overload but a named object's
/// ends in the lookup of a key string, so one key always gets one label. Labels are UTF-8.
class VELMARIS_HOST_EXPORT ITranslator
{
public:
    virtual ~ITranslator();

    /// The language code labels are looked up in.
    virtual std::string getActiveLanguage() const = 0;
    /// An object's own name, or the label of its type when it has none; empty for null.
    virtual std::string getLabel(const CCAPIProcessLayout::TSObject *object) const;
    /// The label of the property's label key; empty for null.
    virtual std::string getLabel(const BaseProperty *property) const;
    /// The label of the key's string key; empty for null.
    virtual std::string getLabel(const LabelKey *labelKey) const;
    /// Empty when the key has no label.
    virtual std::string getLabel(const std::string &key) const = 0;
    /// The fallback when the key has no label.
    virtual std::string getLabel(const std::string &key, const std::string &fallback) const;
};

/// @}

} // namespace CCAPIBaseCommon
