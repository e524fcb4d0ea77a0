#pragma once

#include <velmaris_export.h>

#include <memory>

namespace Velmaris {

class CommandBase;

// Runs the commands the library makes; implemented by the host (an undo stack, a batch
// runner). The library itself never executes a command.
class VELMARIS_EXPORT CommandExecutorInterface
{
public:
    CommandExecutorInterface();
    CommandExecutorInterface(const CommandExecutorInterface &other);
    CommandExecutorInterface &operator=(const CommandExecutorInterface &other);
    virtual ~CommandExecutorInterface();

    // Takes the command over; true when it ran.
    virtual bool execute(std::shared_ptr<CommandBase> command) = 0;
};

} // namespace Velmaris
