#pragma once

#include <velmaris/velmaris_export.h>

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

} // namespace Velmaris
