#pragma once

#include <velmaris/velmaris_export.h>

#include <cstddef>
#include <memory>
#include <string>

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace Velmaris {

class CommandBase;
class ProcessLayout;

/// Describes a set-property command for the undo history: "Change <property> of <owner> to
/// <value>", translated in the context "SetPropertyCommandBase". Every command the library
/// makes is described this way; a host describes its own commands with it to match.
VELMARIS_EXPORT void setPropertyCommandDescription(CommandBase &command,
                                                   const std::shared_ptr<ProcessLayout> &layout,
                                                   CCAPIBaseCommon::BaseProperty *property,
                                                   const std::string &valueText);

/// Describes one command that sets a property of @p objectCount objects: "Change <property>
/// of <count> objects to <value>", in the same context.
VELMARIS_EXPORT void setSharedPropertyCommandDescription(CommandBase &command,
                                                         const std::shared_ptr<ProcessLayout> &layout,
                                                         CCAPIBaseCommon::BaseProperty *property,
                                                         std::size_t objectCount,
                                                         const std::string &valueText);

/// Describes one command that returns a property of @p objectCount objects to its automatic
/// value: "Set <property> of <count> objects to automatic", in the same context.
VELMARIS_EXPORT void setSharedSetToAutoCommandDescription(CommandBase &command,
                                                          const std::shared_ptr<ProcessLayout> &layout,
                                                          CCAPIBaseCommon::BaseProperty *property,
                                                          std::size_t objectCount);

} // namespace Velmaris
