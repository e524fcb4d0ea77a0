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

/// \addtogroup hoststandin
/// @{

/// The design's own commands for the properties whose change reaches beyond the property
/// (renaming a feature renames what refers to it, the air cushion reshapes the assembly).
/// Implemented by the editor; each may return no command. The properties are borrowed.
class VELMARIS_HOST_EXPORT DesignCommandFactory
{
public:
    virtual ~DesignCommandFactory();

    /// Returns the name properties of @p properties to their automatic names.
    virtual std::shared_ptr<CommandBase>
    createSetNameToAutoCommand(const std::vector<CCAPIBaseCommon::BaseProperty *> &properties) = 0;
    /// Gives each name property of @p properties the name at the same position in @p names.
    virtual std::shared_ptr<CommandBase>
    createRenameCommand(const std::vector<CCAPIBaseCommon::BaseProperty *> &properties,
                        const std::vector<std::string> &names) = 0;
    /// Switches the assembly's air cushion flag @p property to @p used.
    virtual std::shared_ptr<CommandBase>
    createAirCushionUsedCommand(CCAPIBaseCommon::BaseProperty *property, bool used) = 0;
    /// Returns the air cushion flag @p property to its automatic value.
    virtual std::shared_ptr<CommandBase>
    createSetAirCushionUsedToAutoCommand(CCAPIBaseCommon::BaseProperty *property) = 0;
};

/// The design definition of the plan being edited, as far as the property commands need it.
/// Implemented by the editor.
class VELMARIS_HOST_EXPORT DesignDefinitionControlInterface
{
public:
    virtual ~DesignDefinitionControlInterface();

    /// May be empty: the design then has no commands of its own.
    virtual std::shared_ptr<DesignCommandFactory> getCommandFactory() const = 0;
};

/// @}

} // namespace Velmaris
