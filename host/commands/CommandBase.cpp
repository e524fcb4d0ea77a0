#include <velmaris/host/commands/CommandBase.h>

#include <utility>

namespace Velmaris {

CommandBase::CommandBase() = default;
CommandBase::~CommandBase() = default;

bool CommandBase::redo() { return execute(); }

const std::string &CommandBase::getDescription() const { return m_description; }

LegacyProgress::Speed::Rate CommandBase::getSpeedRate() const
{
    return LegacyProgress::Speed::Immediate;
}

bool CommandBase::isRedoCapable() const { return true; }

void CommandBase::setDescription(std::string description)
{
    m_description = std::move(description);
}

} // namespace Velmaris
