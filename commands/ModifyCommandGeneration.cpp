#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/commands/SetPropertyCommandDescription.h>
#include <velmaris/model/EnumerationLabel.h>
#include <velmaris/number/PropertyNumberConcept.h>

#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/access/ProcessLayoutController.h>
#include <velmaris/host/commands/DesignCommandFactory.h>
#include <velmaris/host/commands/SetPropertyCommands.h>
#include <velmaris/host/objects/TSObject.h>
#include <velmaris/host/property/ScalarProperties.h>
#include <velmaris/host/translation/TranslatorWithRules.h>

#include <algorithm>

namespace Velmaris {

namespace {

// Comments keep their line breaks; every other text is stored on one line.
const std::string s_commentKey = "PRJ_Comment";

template <typename Command, typename... Value>
std::shared_ptr<CommandBase> describedCommand(const std::shared_ptr<ProcessLayout> &layout,
                                              CCAPIBaseCommon::BaseProperty *property,
                                              const std::string &valueText, Value &&...value)
{
    std::shared_ptr<CommandBase> command(new Command(layout, property, std::forward<Value>(value)...));
    setPropertyCommandDescription(*command, layout, property, valueText);
    return command;
}

std::shared_ptr<CommandBase> makeBooleanValueCommand(const std::shared_ptr<ProcessLayout> &layout,
                                                     CCAPIBaseCommon::BaseProperty *property, bool value,
                                                     const std::string &valueText)
{
    return describedCommand<SetPropertyBooleanValueCmd>(layout, property, valueText, value);
}

std::shared_ptr<CommandBase> makeEnumValueCommand(const std::shared_ptr<ProcessLayout> &layout,
                                                  CCAPIBaseCommon::BaseProperty *property, int index,
                                                  const std::string &valueText)
{
    return describedCommand<SetPropertyEnumValueCmd>(layout, property, valueText, index, false);
}

std::shared_ptr<CommandBase> makeStringValueCommand(const std::shared_ptr<ProcessLayout> &layout,
                                                    CCAPIBaseCommon::BaseProperty *property,
                                                    const std::string &value, const std::string &valueText)
{
    return describedCommand<SetPropertyStringValueCmd>(layout, property, valueText, value);
}

// The first allowed value whose label is the cell's text.
int chosenEnumIndex(const CCAPIBaseCommon::CostPropertyEnum &property,
                    CCAPIAccess::DataBaseControl *dbControl, const std::string &cellText)
{
    const CCAPIBaseCommon::TranslatorWithRules translator(dbControl);
    const int count = static_cast<int>(property.getAllowedValues().size());
    for (int i = 0; i < count; ++i) {
        if (enumerationLabel(property, translator, i) == cellText)
            return i;
    }
    return -1;
}

} // namespace

std::shared_ptr<CommandBase> ProcPlanBaseQItemModel::generatePropertyModifyCommand(
    CCAPIAccess::ProcessLayoutController *controller, std::shared_ptr<Object> object,
    std::shared_ptr<ProcessLayout> layout, CCAPIBaseCommon::BaseProperty *property, QModelIndex index)
{
    const std::string &key = property->getLabelKey()->getStringKey();
    const QVariant newValue = data(index, Qt::EditRole);
    std::string cellText = data(index, Qt::DisplayRole).toString().toStdString();
    if (key != s_commentKey) {
        std::replace(cellText.begin(), cellText.end(), '\n', ' ');
        setData(index, QVariant(QString::fromStdString(cellText)), Qt::DisplayRole);
    }

    const std::shared_ptr<DesignCommandFactory> factory =
        m_designDefinitionControl ? m_designDefinitionControl->getCommandFactory() : nullptr;

    if (const auto number = tryCreatePropertyNumber(property, m_exchangeRate.currency, m_exchangeRate.rate, false))
        return number->createPropertyChangedCommand(newValue, std::move(object), std::move(layout));

    switch (property->getPropertyType()) {
    case CCAPIBaseCommon::StringPropertyType: {
        std::string text = data(index, Qt::EditRole).toString().toStdString();
        if (factory && key == CCAPIProcessLayout::BaseFeature::s_nameProperty)
            return factory->createRenameCommand({property}, {text});
        replaceStringInPlace(text, "<", "[");
        replaceStringInPlace(text, ">", "]");
        return makeStringValueCommand(layout, property, text, cellText);
    }
    case CCAPIBaseCommon::BooleanPropertyType: {
        const bool value = data(index, Qt::EditRole).toBool();
        if (factory && key == CCAPIProcessLayout::BaseBaseAssembly::s_airCushionUsedProperty)
            return factory->createAirCushionUsedCommand(property, value);
        return makeBooleanValueCommand(layout, property, value, cellText);
    }
    case CCAPIBaseCommon::EnumPropertyType: {
        const auto *choice = dynamic_cast<const CCAPIBaseCommon::CostPropertyEnum *>(property);
        const int chosen = choice ? chosenEnumIndex(*choice, controller->getDatabaseControl(), cellText) : -1;
        if (chosen < 0)
            return {};
        return makeEnumValueCommand(layout, property, chosen, cellText);
    }
    default:
        return {};
    }
}

} // namespace Velmaris
