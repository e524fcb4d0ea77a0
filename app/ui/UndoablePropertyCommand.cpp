#include "app/ui/UndoablePropertyCommand.h"

#include <velmaris/host/commands/CommandBase.h>

#include <utility>

namespace VelmarisEditor {

namespace {

constexpr int s_longestText = 200;

} // namespace

UndoablePropertyCommand::UndoablePropertyCommand(std::shared_ptr<Velmaris::CommandBase> command,
                                                 Prepare prepare, Show show)
    : m_command(std::move(command))
    , m_prepare(std::move(prepare))
    , m_show(std::move(show))
{
    // The history lays out every entry: a description quoting a long text would take seconds.
    const QString description = QString::fromStdString(m_command->getDescription());
    setText(description.size() > s_longestText ? description.left(s_longestText - 1) + QChar(0x2026) : description);
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
