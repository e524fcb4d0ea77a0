#pragma once

#include <QUndoCommand>

#include <functional>
#include <memory>

namespace Velmaris {
class CommandBase;
}

namespace VelmarisEditor {

// Puts a plan command on Qt's undo stack. The first redo executes it, later ones redo it;
// after each step the view is told to show the change: revisit is false after the first
// execution, where the user just made it, and true after an undo or a later redo, which may
// change what lies out of sight. A command that fails to execute marks itself obsolete, so
// the stack drops it at once.
class UndoablePropertyCommand : public QUndoCommand
{
public:
    using Show = std::function<void(bool revisit)>;

    UndoablePropertyCommand(std::shared_ptr<Velmaris::CommandBase> command, Show show);

    void redo() override;
    void undo() override;

private:
    std::shared_ptr<Velmaris::CommandBase> m_command;
    Show m_show;
    bool m_executed = false;
};

} // namespace VelmarisEditor
