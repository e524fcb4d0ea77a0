#include "app/ui/UndoablePropertyCommand.h"

#include <velmaris/host/commands/CommandBase.h>

#include <utility>

namespace VelmarisEditor {

UndoablePropertyCommand::UndoablePropertyCommand(std::shared_ptr<Velmaris::CommandBase> command,
                                                 Prepare prepare, Show show)
    : m_command(std::move(command))
    , m_prepare(std::move(prepare))
    , m_show(std::move(show))
{
    setText(QString::fromStdString(m_command->getDescription()));
}

void UndoablePropertyCommand::redo()
{
    const bool revisit = m_executed;
    m_prepare();
    const bool done = revisit ? m_command->redo() : m_command->execute();
    if (!revisit && !done)
        setObsolete(true);
    m_executed = true;
    m_show(revisit);
}

void UndoablePropertyCommand::undo()
{
    m_prepare();
    m_command->undo();
    m_show(true);
}

} // namespace VelmarisEditor
