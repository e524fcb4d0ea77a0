#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/commands/CompositeCmd.h>
#include <velmaris/commands/PropertyEdit.h>
#include <velmaris/commands/SetPropertyCommandDescription.h>
#include <velmaris/model/SharedProperties.h>
#include <velmaris/number/PropertyNumberConcept.h>

#include <velmaris/host/commands/DesignCommandFactory.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/BaseProperty.h>

#include <QStringList>

#include <utility>

namespace Velmaris {

namespace {

CCAPIBaseCommon::BaseProperty *firstOf(const SharedProperty &property)
{
    return property.members.front().container->getProperty();
}

// One object's command stands for itself, with its own description; several become one.
template <typename MakeCommand, typename Describe>
std::shared_ptr<CommandBase> commandOverAll(const SharedProperty &property, MakeCommand make, Describe describe)
{
    std::vector<std::shared_ptr<CommandBase>> commands;
    commands.reserve(property.members.size());
    for (const SharedPropertyMember &member : property.members) {
        std::shared_ptr<CommandBase> command = make(member);
        // All objects or none.
        if (!command)
            return {};
        commands.push_back(std::move(command));
    }
    if (commands.size() == 1)
        return commands.front();
    auto combined = std::make_shared<CompositeCmd>(std::move(commands));
    describe(*combined);
    return combined;
}

} // namespace

std::shared_ptr<CommandBase> ProcPlanBaseQItemModel::generateSharedPropertyModifyCommand(
    std::shared_ptr<ProcessLayout> layout, const SharedProperty &property, QModelIndex index)
{
    if (property.members.empty())
        return {};
    // Still showing several values: the cell was not edited, and no value is to be stored.
    const QVariant shown = data(index, Qt::EditRole);
    if (data(index, MixedValueRole).toBool() && shown.userType() == QMetaType::QString && shown.toString().isEmpty())
        return {};
    PropertyEdit edit = takeEdit(index, property.key);
    edit.describeEach = property.members.size() == 1;
    if (!property.allowedValues.empty()) {
        // The cell offers the shared keys, by their labels.
        const int chosen = data(index, EnumLabelsRole).toStringList().indexOf(QString::fromStdString(edit.cellText));
        if (chosen < 0 || static_cast<std::size_t>(chosen) >= property.allowedValues.size())
            return {};
        edit.choice = &property.allowedValues[static_cast<std::size_t>(chosen)];
    }
    const std::shared_ptr<DesignCommandFactory> factory = designCommandFactory();
    const auto number = tryCreatePropertyNumber(firstOf(property), m_exchangeRate.currency, m_exchangeRate.rate, false);
    const std::string valueText = number ? number->enteredValueText(edit.value).toStdString() : edit.cellText;
    return commandOverAll(
        property,
        [&](const SharedPropertyMember &member) {
            return commandForEdit(edit, member.object, layout, member.container->getProperty(), factory.get());
        },
        [&](CommandBase &command) {
            setSharedPropertyCommandDescription(command, layout, firstOf(property), property.members.size(), valueText);
        });
}

std::shared_ptr<CommandBase> ProcPlanBaseQItemModel::generateSharedSetPropertyToAutoCommand(
    std::shared_ptr<ProcessLayout> layout, const SharedProperty &property)
{
    if (property.members.empty())
        return {};
    return commandOverAll(
        property,
        [&](const SharedPropertyMember &member) {
            return generateSetPropertyToAutoCommand(member.object, layout, member.container->getProperty());
        },
        [&](CommandBase &command) {
            setSharedSetToAutoCommandDescription(command, layout, firstOf(property), property.members.size());
        });
}

} // namespace Velmaris
