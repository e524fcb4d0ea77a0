#pragma once

#include "app/document/Document.h"

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
// A document for a plan that has no file yet.
std::unique_ptr<VelmarisEditor::Document> untitled(std::unique_ptr<VelmarisEditor::PlanDocument> plan);
// The document of a file the test relies on.
std::unique_ptr<VelmarisEditor::Document> openedDocument(const QString &path);

// A file's bytes; empty when it cannot be read.
QByteArray readAll(const QString &path);
// Writes the file whole or ends the test run.
void writeFile(const QString &path, const QByteArray &bytes);
// Another program's save: new bytes, and a time that differs from the editor's even on a coarse clock.
void changeOnDisk(const QString &path, const QByteArray &bytes);
