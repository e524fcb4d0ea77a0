#pragma once

#include <velmaris/host/commands/CommandBase.h>

#include <velmaris/velmaris_export.h>

#include <memory>
#include <vector>

namespace Velmaris {

/// Several commands done and undone as one, such as one edit of a property that several
/// objects share: executed and redone in their order, undone in the reverse order.
///
/// All or nothing: when a command does not apply, those before it are undone again and the
/// whole reports false.
class VELMARIS_EXPORT CompositeCmd : public CommandBase
{
public:
    /// Takes shares of @p commands, none of them null, each not yet executed.
    explicit CompositeCmd(std::vector<std::shared_ptr<CommandBase>> commands);
    ~CompositeCmd() override;

    /// Executes every command in order; false, with all undone, when one does not apply.
    bool execute() override;
    /// Undoes every command in reverse order; false when nothing was done, or when a command
    /// could not be undone (the others are undone all the same).
    bool undo() override;
    /// Redoes every command in order, all or nothing as execute().
    bool redo() override;
    /// The slowest of the commands.
    LegacyProgress::Speed::Rate getSpeedRate() const override;
    /// Whether every command may be redone.
    bool isRedoCapable() const override;

    /// The commands, in the order they are executed.
    const std::vector<std::shared_ptr<CommandBase>> &commands() const { return m_commands; }

private:
    bool doAll(bool (CommandBase::*step)());

    std::vector<std::shared_ptr<CommandBase>> m_commands;
    bool m_done = false;
};

} // namespace Velmaris
