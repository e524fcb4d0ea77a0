#pragma once

#include <velmaris/host/commands/LegacyProgress.h>

#include <velmaris/velmaris_host_export.h>

#include <string>

namespace Velmaris {

// An undoable change of a plan. execute and undo report whether they changed anything;
// redo executes again.
class VELMARIS_HOST_EXPORT CommandBase
{
public:
    CommandBase();
    virtual ~CommandBase();
    CommandBase(const CommandBase &) = delete;
    CommandBase &operator=(const CommandBase &) = delete;

    virtual bool execute() = 0;
    virtual bool undo() = 0;
    virtual bool redo();
    virtual const std::string &getDescription() const;
    virtual LegacyProgress::Speed::Rate getSpeedRate() const;
    virtual bool isRedoCapable() const;

    void setDescription(std::string description);

private:
    std::string m_description;
};

} // namespace Velmaris
