#include "app/ui/UndoablePropertyCommand.h"

#include <velmaris/host/commands/CommandBase.h>

#include <utility>

namespace VelmarisEditor {

UndoablePropertyCommand::UndoablePropertyCommand(std::shared_ptr<Velmaris::CommandBase> command,
                                                 std::function<void()> refresh)
    : m_command(std::move(command))
    , m_refresh(std::move(refresh))
{
    setText(QString::fromStdString(m_command->getDescription()));
}

void UndoablePropertyCommand::redo()
{
    const bool done = m_executed ? m_command->redo() : m_command->execute();
    if (!m_executed && !done)
        setObsolete(true);
    m_executed = true;
    m_refresh();
}

void UndoablePropertyCommand::undo()
{
    m_command->undo();
    m_refresh();
}

} // namespace VelmarisEditor
