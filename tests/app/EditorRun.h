#pragma once

#include <QString>
#include <QStringList>

// How a run of the editor binary ended. A crash, a sanitizer's abort or a hang shows as
// exitedNormally false or an exit code other than the editor's own 0 and 2.
struct EditorRun
{
    bool exitedNormally = false;
    int exitCode = -1;
    QString output;
    QString errors;
};

EditorRun runEditor(const QStringList &arguments);
