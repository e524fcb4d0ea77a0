#pragma once

#include <QUndoCommand>

#include <functional>
#include <memory>

namespace Velmaris {
class CommandBase;
}

namespace VelmarisEditor {

// Puts a plan command on Qt's undo stack. The first redo executes it, later ones redo it;
// after each step the view is told to refresh. A command that fails to execute marks itself
// obsolete, so the stack drops it at once.
class UndoablePropertyCommand : public QUndoCommand
{
public:
    UndoablePropertyCommand(std::shared_ptr<Velmaris::CommandBase> command, std::function<void()> refresh);

    void redo() override;
    void undo() override;

private:
    std::shared_ptr<Velmaris::CommandBase> m_command;
    std::function<void()> m_refresh;
    bool m_executed = false;
};

} // namespace VelmarisEditor
