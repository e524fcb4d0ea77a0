#include "app/ui/UndoablePropertyCommand.h"

#include <velmaris/host/commands/CommandBase.h>

#include <utility>

namespace VelmarisEditor {

UndoablePropertyCommand::UndoablePropertyCommand(std::shared_ptr<Velmaris::CommandBase> command,
                                                 Show show)
    : m_command(std::move(command))
    , m_show(std::move(show))
{
    setText(QString::fromStdString(m_command->getDescription()));
}

void UndoablePropertyCommand::redo()
{
    const bool revisit = m_executed;
    const bool done = revisit ? m_command->redo() : m_command->execute();
    if (!revisit && !done)
        setObsolete(true);
    m_executed = true;
    m_show(revisit);
}

void UndoablePropertyCommand::undo()
{
    m_command->undo();
    m_show(true);
}

} // namespace VelmarisEditor
