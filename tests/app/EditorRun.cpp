#include "EditorRun.h"

#include <QProcess>
#include <QTemporaryDir>

EditorRun runEditor(const QStringList &arguments, const QStringList &withoutVariables)
{
    // Without a runtime folder Qt warns on stderr, which would hide whether a refusal is one line;
    // the configuration folder keeps the user's settings out of reach.
    static const QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.path());
    for (const QString &variable : withoutVariables)
        environment.remove(variable);
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(VELMARIS_EDITOR_BINARY), arguments);
    if (!editor.waitForFinished(20000)) {
        editor.kill();
        editor.waitForFinished();
        return {false, -1, {}, QStringLiteral("no end within 20 s")};
    }
    // Whole, as Qt 5 ends a QByteArray's text at NUL.
    const QByteArray output = editor.readAllStandardOutput();
    const QByteArray errors = editor.readAllStandardError();
    return {editor.exitStatus() == QProcess::NormalExit, editor.exitCode(), QString::fromUtf8(output, output.size()),
            QString::fromUtf8(errors, errors.size())};
}

std::unique_ptr<VelmarisEditor::PlanDocument> loadedPlan(const QString &path)
{
    VelmarisEditor::PlanError error;
    auto plan = VelmarisEditor::loadPlan(path, &error);
    if (!plan)
        qFatal("%s", qPrintable(error.message()));
    return plan;
}
