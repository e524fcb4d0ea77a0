#include <velmaris/commands/CommandExecutorInterface.h>

namespace Velmaris {

CommandExecutorInterface::CommandExecutorInterface() = default;
CommandExecutorInterface::CommandExecutorInterface(const CommandExecutorInterface &) = default;
CommandExecutorInterface &CommandExecutorInterface::operator=(const CommandExecutorInterface &) = default;
CommandExecutorInterface::~CommandExecutorInterface() = default;

} // namespace Velmaris
