#include <velmaris/commands/CompositeCmd.h>

#include <algorithm>
#include <utility>

namespace Velmaris {

CompositeCmd::CompositeCmd(std::vector<std::shared_ptr<CommandBase>> commands)
    : m_commands(std::move(commands))
{
}

CompositeCmd::~CompositeCmd() = default;

bool CompositeCmd::execute()
{
    return doAll(&CommandBase::execute);
}

bool CompositeCmd::redo()
{
    return doAll(&CommandBase::redo);
}

bool CompositeCmd::doAll(bool (CommandBase::*step)())
{
    for (auto done = m_commands.begin(); done != m_commands.end(); ++done) {
        if (!((**done).*step)()) {
            while (done != m_commands.begin())
                (*--done)->undo();
            return false;
        }
    }
    m_done = true;
    return true;
}

bool CompositeCmd::undo()
{
    if (!m_done)
        return false;
    m_done = false;
    bool undone = true;
    for (auto command = m_commands.rbegin(); command != m_commands.rend(); ++command)
        undone = (*command)->undo() && undone;
    return undone;
}

LegacyProgress::Speed::Rate CompositeCmd::getSpeedRate() const
{
    LegacyProgress::Speed::Rate slowest = LegacyProgress::Speed::Immediate;
    for (const auto &command : m_commands)
        slowest = std::max(slowest, command->getSpeedRate());
    return slowest;
}

bool CompositeCmd::isRedoCapable() const
{
    return std::all_of(m_commands.begin(), m_commands.end(),
                       [](const std::shared_ptr<CommandBase> &command) { return command->isRedoCapable(); });
}

} // namespace Velmaris
