#include "commands/SetPropertyCommandDescription.h"

#include "host/commands/CommandBase.h"
#include "host/objects/ProcessLayout.h"
#include "host/property/BaseProperty.h"
#include "host/translation/ITranslator.h"
#include "host/translation/Translator.h"

namespace Velmaris {

void setPropertyCommandDescription(CommandBase &command, const std::shared_ptr<ProcessLayout> &layout,
                                   CCAPIBaseCommon::BaseProperty *property,
                                   const std::string &valueText)
{
    const CCAPIProcessLayout::TSObject *owner = property->getOwnerObject();
    const CCAPIBaseCommon::ITranslator *translator = layout->getTranslator();
    const std::string ownerLabel = translator->getLabel(owner);
    const std::string propertyLabel = translator->getLabel(property);
    const std::string text = TranslatorArg::translate("SetPropertyCommandBase", "Change %1 of %2 to %3",
                                                      nullptr, -1)
                                 .arg(propertyLabel)
                                 .arg(ownerLabel)
                                 .arg(valueText);
    command.setDescription(text);
}

} // namespace Velmaris
