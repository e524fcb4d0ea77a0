#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/commands/DesignCommandFactory.h>
#include <velmaris/host/commands/SetPropertyCommands.h>
#include <velmaris/host/objects/TSObject.h>
#include <velmaris/host/property/BaseProperty.h>

namespace Velmaris {

std::shared_ptr<CommandBase> ProcPlanBaseQItemModel::generateSetPropertyToAutoCommand(
    std::shared_ptr<Object>, std::shared_ptr<ProcessLayout> layout, CCAPIBaseCommon::BaseProperty *property)
{
    if (m_designDefinitionControl) {
        if (const std::shared_ptr<DesignCommandFactory> factory = m_designDefinitionControl->getCommandFactory()) {
            const std::string &key = property->getLabelKey()->getStringKey();
            if (key == CCAPIProcessLayout::BaseFeature::s_nameProperty)
                return factory->createSetNameToAutoCommand({property});
            if (key == CCAPIProcessLayout::BaseBaseAssembly::s_airCushionUsedProperty)
                return factory->createSetAirCushionUsedToAutoCommand(property);
        }
    }
    return std::shared_ptr<CommandBase>(new SetPropertyToAutoCmd(layout, property));
}

} // namespace Velmaris
