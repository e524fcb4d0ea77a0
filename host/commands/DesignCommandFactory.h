#pragma once

#include <velmaris/velmaris_host_export.h>

#include <memory>
#include <string>
#include <vector>

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace Velmaris {

class CommandBase;

// The design's own commands for the properties whose change reaches beyond the property
// (renaming a feature renames what refers to it, the air cushion reshapes the assembly).
// Implemented by the editor; each may return no command.
class VELMARIS_HOST_EXPORT DesignCommandFactory
{
public:
    virtual ~DesignCommandFactory();

    virtual std::shared_ptr<CommandBase>
    createSetNameToAutoCommand(const std::vector<CCAPIBaseCommon::BaseProperty *> &properties) = 0;
    virtual std::shared_ptr<CommandBase>
    createRenameCommand(const std::vector<CCAPIBaseCommon::BaseProperty *> &properties,
                        const std::vector<std::string> &names) = 0;
    virtual std::shared_ptr<CommandBase>
    createAirCushionUsedCommand(CCAPIBaseCommon::BaseProperty *property, bool used) = 0;
    virtual std::shared_ptr<CommandBase>
    createSetAirCushionUsedToAutoCommand(CCAPIBaseCommon::BaseProperty *property) = 0;
};

class VELMARIS_HOST_EXPORT DesignDefinitionControlInterface
{
public:
    virtual ~DesignDefinitionControlInterface();

    // May be empty: the design then has no commands of its own.
    virtual std::shared_ptr<DesignCommandFactory> getCommandFactory() const = 0;
};

} // namespace Velmaris
