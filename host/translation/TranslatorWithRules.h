#pragma once

#include <velmaris/host/translation/ITranslator.h>

namespace CCAPIAccess {
class DataBaseControl;
}

namespace CCAPIBaseCommon {

// A translator bound to one database control for the span of one task; it follows the
// control's language rules and never owns the control.
class VELMARIS_HOST_EXPORT TranslatorWithRules : public ITranslator
{
public:
    explicit TranslatorWithRules(const CCAPIAccess::DataBaseControl *control);

    using ITranslator::getLabel;
    std::string getActiveLanguage() const override;
    std::string getLabel(const std::string &key) const override;

private:
    const CCAPIAccess::DataBaseControl *m_control;
};

} // namespace CCAPIBaseCommon
