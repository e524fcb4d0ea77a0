#include <velmaris/commands/SetPropertyCommandDescription.h>

#include <velmaris/host/commands/CommandBase.h>
#include <velmaris/host/objects/ProcessLayout.h>
#include <velmaris/host/property/BaseProperty.h>
#include <velmaris/host/translation/ITranslator.h>
#include <velmaris/host/translation/Translator.h>

namespace Velmaris {

namespace {

// The translation context is the name of the command base class.
const char *const s_descriptionContext = "SetPropertyCommandBase";
const char *const s_descriptionText = QT_TRANSLATE_NOOP("SetPropertyCommandBase", "Change %1 of %2 to %3");
const char *const s_sharedDescriptionText =
    QT_TRANSLATE_NOOP("SetPropertyCommandBase", "Change %1 of %2 objects to %3");
const char *const s_sharedToAutoText =
    QT_TRANSLATE_NOOP("SetPropertyCommandBase", "Set %1 of %2 objects to automatic");

std::string labelOf(const std::shared_ptr<ProcessLayout> &layout, const CCAPIBaseCommon::BaseProperty *property)
{
    return layout->getTranslator()->getLabel(property);
}

} // namespace

void setPropertyCommandDescription(CommandBase &command, const std::shared_ptr<ProcessLayout> &layout,
                                   CCAPIBaseCommon::BaseProperty *property,
                                   const std::string &valueText)
{
    const CCAPIProcessLayout::TSObject *owner = property->getOwnerObject();
    const CCAPIBaseCommon::ITranslator *translator = layout->getTranslator();
    const std::string ownerLabel = translator->getLabel(owner);
    const std::string propertyLabel = translator->getLabel(property);
    const std::string text = TranslatorArg::translate(s_descriptionContext, s_descriptionText, nullptr, -1)
                                 .arg(propertyLabel)
                                 .arg(ownerLabel)
                                 .arg(valueText);
    command.setDescription(text);
}

void setSharedPropertyCommandDescription(CommandBase &command, const std::shared_ptr<ProcessLayout> &layout,
                                         CCAPIBaseCommon::BaseProperty *property, std::size_t objectCount,
                                         const std::string &valueText)
{
    command.setDescription(TranslatorArg::translate(s_descriptionContext, s_sharedDescriptionText, nullptr, -1)
                               .arg(labelOf(layout, property))
                               .arg(std::to_string(objectCount))
                               .arg(valueText));
}

void setSharedSetToAutoCommandDescription(CommandBase &command, const std::shared_ptr<ProcessLayout> &layout,
                                          CCAPIBaseCommon::BaseProperty *property, std::size_t objectCount)
{
    command.setDescription(TranslatorArg::translate(s_descriptionContext, s_sharedToAutoText, nullptr, -1)
                               .arg(labelOf(layout, property))
                               .arg(std::to_string(objectCount)));
}

} // namespace Velmaris
