#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/commands/PropertyEdit.h>
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

// Described with valueText, unless that is null.
template <typename Command, typename... Value>
std::shared_ptr<CommandBase> describedCommand(const std::shared_ptr<ProcessLayout> &layout,
                                              CCAPIBaseCommon::BaseProperty *property,
                                              const std::string *valueText, Value &&...value)
{
    std::shared_ptr<CommandBase> command(new Command(layout, property, std::forward<Value>(value)...));
    if (valueText)
        setPropertyCommandDescription(*command, layout, property, *valueText);
    return command;
}

std::shared_ptr<CommandBase> makeBooleanValueCommand(const std::shared_ptr<ProcessLayout> &layout,
                                                     CCAPIBaseCommon::BaseProperty *property, bool value,
                                                     const std::string *valueText)
{
    return describedCommand<SetPropertyBooleanValueCmd>(layout, property, valueText, value);
}

std::shared_ptr<CommandBase> makeEnumValueCommand(const std::shared_ptr<ProcessLayout> &layout,
                                                  CCAPIBaseCommon::BaseProperty *property, int index,
                                                  const std::string *valueText)
{
    return describedCommand<SetPropertyEnumValueCmd>(layout, property, valueText, index, false);
}

std::shared_ptr<CommandBase> makeStringValueCommand(const std::shared_ptr<ProcessLayout> &layout,
                                                    CCAPIBaseCommon::BaseProperty *property,
                                                    const std::string &value, const std::string *valueText)
{
    return describedCommand<SetPropertyStringValueCmd>(layout, property, valueText, value);
}

// The key of the first allowed value whose label is the cell's text; null for none.
const std::string *chosenEnumKey(const CCAPIBaseCommon::CostPropertyEnum &property,
                                 CCAPIAccess::DataBaseControl *dbControl, const std::string &cellText)
{
    const CCAPIBaseCommon::TranslatorWithRules translator(dbControl);
    const std::vector<std::string> &allowed = property.getAllowedValues();
    for (std::size_t i = 0; i < allowed.size(); ++i) {
        if (enumerationLabel(property, translator, static_cast<int>(i)) == cellText)
            return &allowed[i];
    }
    return nullptr;
}

} // namespace

PropertyEdit ProcPlanBaseQItemModel::takeEdit(const QModelIndex &index, const std::string &key)
{
    PropertyEdit edit;
    edit.value = data(index, Qt::EditRole);
    edit.cellText = data(index, Qt::DisplayRole).toString().toStdString();
    if (key != s_commentKey) {
        std::replace(edit.cellText.begin(), edit.cellText.end(), '\n', ' ');
        setData(index, QVariant(QString::fromStdString(edit.cellText)), Qt::DisplayRole);
    }
    edit.flattened = data(index, Qt::EditRole);
    return edit;
}

std::shared_ptr<DesignCommandFactory> ProcPlanBaseQItemModel::designCommandFactory() const
{
    return m_designDefinitionControl ? m_designDefinitionControl->getCommandFactory() : nullptr;
}

std::shared_ptr<CommandBase> ProcPlanBaseQItemModel::generatePropertyModifyCommand(
    CCAPIAccess::ProcessLayoutController *controller, std::shared_ptr<Object> object,
    std::shared_ptr<ProcessLayout> layout, CCAPIBaseCommon::BaseProperty *property, QModelIndex index)
{
    PropertyEdit edit = takeEdit(index, property->getLabelKey()->getStringKey());
    const std::shared_ptr<DesignCommandFactory> factory = designCommandFactory();
    if (property->getPropertyType() == CCAPIBaseCommon::EnumPropertyType) {
        if (const auto *choice = dynamic_cast<const CCAPIBaseCommon::CostPropertyEnum *>(property))
            edit.choice = chosenEnumKey(*choice, controller->getDatabaseControl(), edit.cellText);
    }
    return commandForEdit(edit, std::move(object), layout, property, factory.get());
}

std::shared_ptr<CommandBase> ProcPlanBaseQItemModel::commandForEdit(const PropertyEdit &edit,
                                                                    std::shared_ptr<Object> object,
                                                                    const std::shared_ptr<ProcessLayout> &layout,
                                                                    CCAPIBaseCommon::BaseProperty *property,
                                                                    DesignCommandFactory *factory)
{
    if (const auto number = tryCreatePropertyNumber(property, m_exchangeRate.currency, m_exchangeRate.rate, false)) {
        return edit.describeEach ? number->createPropertyChangedCommand(edit.value, std::move(object), layout)
                                 : number->createUndescribedChangeCommand(edit.value, layout);
    }

    const std::string &key = property->getLabelKey()->getStringKey();
    const std::string *valueText = edit.describeEach ? &edit.cellText : nullptr;
    switch (property->getPropertyType()) {
    case CCAPIBaseCommon::StringPropertyType: {
        std::string text = edit.flattened.toString().toStdString();
        if (factory && key == CCAPIProcessLayout::BaseFeature::s_nameProperty)
            return factory->createRenameCommand({property}, {text});
        replaceStringInPlace(text, "<", "[");
        replaceStringInPlace(text, ">", "]");
        return makeStringValueCommand(layout, property, text, valueText);
    }
    case CCAPIBaseCommon::BooleanPropertyType: {
        const bool value = edit.flattened.toBool();
        if (factory && key == CCAPIProcessLayout::BaseBaseAssembly::s_airCushionUsedProperty)
            return factory->createAirCushionUsedCommand(property, value);
        return makeBooleanValueCommand(layout, property, value, valueText);
    }
    case CCAPIBaseCommon::EnumPropertyType: {
        // By key: each property stores its own index of the chosen value.
        const auto *choice = dynamic_cast<const CCAPIBaseCommon::CostPropertyEnum *>(property);
        if (!choice || !edit.choice)
            return {};
        const std::vector<std::string> &allowed = choice->getAllowedValues();
        const auto chosen = std::find(allowed.begin(), allowed.end(), *edit.choice);
        if (chosen == allowed.end())
            return {};
        return makeEnumValueCommand(layout, property, static_cast<int>(chosen - allowed.begin()), valueText);
    }
    default:
        return {};
    }
}

} // namespace Velmaris
