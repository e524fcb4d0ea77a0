#include "EditorRun.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <ctime>
#include <utime.h>

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

std::unique_ptr<VelmarisEditor::Document> untitled(std::unique_ptr<VelmarisEditor::PlanDocument> plan)
{
    return std::make_unique<VelmarisEditor::Document>(std::move(plan));
}

std::unique_ptr<VelmarisEditor::Document> openedDocument(const QString &path)
{
    VelmarisEditor::PlanError error;
    auto document = VelmarisEditor::Document::open(path, &error);
    if (!document)
        qFatal("%s", qPrintable(error.message()));
    return document;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void changeOnDisk(const QString &path, const QByteArray &bytes)
{
    writeFile(path, bytes);
    const utimbuf later{std::time(nullptr) + 10, std::time(nullptr) + 10};
    utime(QFile::encodeName(path).constData(), &later);
}
