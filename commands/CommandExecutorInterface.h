#pragma once

#include <velmaris/velmaris_export.h>

#include <memory>

namespace Velmaris {

class CommandBase;

/// Runs the commands the library makes; implemented by the host (an undo stack, a batch
/// runner). The library itself never executes a command.
class VELMARIS_EXPORT CommandExecutorInterface
{
public:
    CommandExecutorInterface();
    /// Executors hold no state of their own, so copies are plain.
    CommandExecutorInterface(const CommandExecutorInterface &other);
    /// Executors hold no state of their own, so assignment is plain.
    CommandExecutorInterface &operator=(const CommandExecutorInterface &other);
    virtual ~CommandExecutorInterface();

    /// Takes the command over; true when it ran.
    virtual bool execute(std::shared_ptr<CommandBase> command) = 0;
};

} // namespace Velmaris
