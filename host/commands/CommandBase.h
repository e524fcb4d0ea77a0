#pragma once

#include <velmaris/host/commands/LegacyProgress.h>

#include <velmaris/velmaris_host_export.h>

#include <string>

namespace Velmaris {

/// \addtogroup hoststandin
/// @{

/// An undoable change of a plan. The library makes commands, the host executes them.
/// execute() and undo() report whether they changed anything; redo() executes again.
class VELMARIS_HOST_EXPORT CommandBase
{
public:
    /// A command with an empty description.
    CommandBase();
    virtual ~CommandBase();
    /// Not copyable: a command holds what its undo puts back.
    CommandBase(const CommandBase &) = delete;
    /// Not copyable.
    CommandBase &operator=(const CommandBase &) = delete;

    /// Makes the change; false when it did not apply, and then nothing changed.
    virtual bool execute() = 0;
    /// Takes back the last execute(); false when there was nothing to take back.
    virtual bool undo() = 0;
    /// execute() once more, unless overridden.
    virtual bool redo();
    /// The text of the command in an undo history; empty unless setDescription() was called.
    virtual const std::string &getDescription() const;
    /// Immediate unless overridden.
    virtual LegacyProgress::Speed::Rate getSpeedRate() const;
    /// Whether the command may be redone after an undo; true unless overridden.
    virtual bool isRedoCapable() const;

    /// Replaces the text getDescription() answers.
    void setDescription(std::string description);

private:
    std::string m_description;
};

/// @}

} // namespace Velmaris
