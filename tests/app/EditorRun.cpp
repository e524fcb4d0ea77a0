#include "EditorRun.h"

#include <QProcess>
#include <QTemporaryDir>

EditorRun runEditor(const QStringList &arguments)
{
    // Without a runtime folder Qt warns on stderr, which would hide whether a refusal is one line.
    static const QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(VELMARIS_EDITOR_BINARY), arguments);
    if (!editor.waitForFinished(20000)) {
        editor.kill();
        editor.waitForFinished();
        return {false, -1, {}, QStringLiteral("no end within 20 s")};
    }
    return {editor.exitStatus() == QProcess::NormalExit, editor.exitCode(),
            QString::fromUtf8(editor.readAllStandardOutput()), QString::fromUtf8(editor.readAllStandardError())};
}
