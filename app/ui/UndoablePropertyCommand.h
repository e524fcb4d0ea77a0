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
// the stack drops it at once. Before every step, prepare is told that the property will change.
class UndoablePropertyCommand : public QUndoCommand
{
public:
    using Show = std::function<void(bool revisit)>;
    using Prepare = std::function<void()>;

    UndoablePropertyCommand(std::shared_ptr<Velmaris::CommandBase> command, Prepare prepare, Show show);

    void redo() override;
    void undo() override;

private:
    std::shared_ptr<Velmaris::CommandBase> m_command;
    Prepare m_prepare;
    Show m_show;
    bool m_executed = false;
};

} // namespace VelmarisEditor
