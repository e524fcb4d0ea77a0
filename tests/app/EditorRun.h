#pragma once

#include "app/plan/PlanFile.h"

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

// Runs the editor binary; the variables named in withoutVariables are left out of its environment.
EditorRun runEditor(const QStringList &arguments, const QStringList &withoutVariables = {});

// A plan the test relies on; one that does not load ends the test run.
std::unique_ptr<VelmarisEditor::PlanDocument> loadedPlan(const QString &path);
