#pragma once

#include <velmaris/host/translation/ITranslator.h>

namespace CCAPIAccess {
class DataBaseControl;
}

namespace CCAPIBaseCommon {

/// \addtogroup hoststandin
/// @{

/// A translator bound to one database control for the span of one task; it follows the
/// control's language rules and never owns the control.
class VELMARIS_HOST_EXPORT TranslatorWithRules : public ITranslator
{
public:
    /// @p control is borrowed and must outlive the translator; with null every answer is empty.
    explicit TranslatorWithRules(const CCAPIAccess::DataBaseControl *control);

    using ITranslator::getLabel;
    /// The control's active language at the call; empty without a control.
    std::string getActiveLanguage() const override;
    /// The control's label, with its fallback to the default language; empty without a control.
    std::string getLabel(const std::string &key) const override;

private:
    const CCAPIAccess::DataBaseControl *m_control;
};

/// @}

} // namespace CCAPIBaseCommon
