#pragma once

#include "app/plan/FileIdentity.h"
#include "app/plan/PlanDocument.h"
#include "app/plan/PlanFile.h"
#include "app/plan/PlanSnapshot.h"
#include "app/plan/WorkProgress.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace VelmarisEditor {

// A plan as the editor edits it: the plan itself, the file it belongs to and what that file
// held when it was read or last written, its unsaved changes (the undo stack's clean state), and
// loading and saving with their errors. It tells when another program changes its file.
class Document : public QObject
{
    Q_OBJECT
public:
    enum class SaveOutcome {
        Saved,
        Failed,        // nothing written; saveErrorMessage() says why
        ChangedOnDisk, // another program changed the file: saved only when told to overwrite
        ReadOnly,      // the file may not be written: saved only under another name
    };
    enum class Conflict { Refuse, Overwrite };
    // Runs the writing of a save, with the progress it reports, and returns when it is done: at
    // once by default; the window runs it on another thread while the user goes on.
    using Runner = std::function<void(const std::function<void()> &write, WorkProgress &progress)>;
    static void runHere(const std::function<void()> &write, WorkProgress &progress);

    // A plan not yet saved anywhere.
    explicit Document(std::unique_ptr<PlanDocument> plan);
    // A plan read from the file, which held what identity describes.
    Document(std::unique_ptr<PlanDocument> plan, QString path, FileIdentity identity);
    // The plan in the file; null with the error filled in when the file is refused.
    static std::unique_ptr<Document> open(const QString &path, PlanError *error);

    PlanDocument &plan() const { return *m_plan; }
    // Hands the plan over, for a document about to be deleted: a large plan takes long enough
    // to delete that the window would stop answering meanwhile.
    std::unique_ptr<PlanDocument> takePlan() { return std::move(m_plan); }
    // Empty while the plan has no file.
    const QString &path() const { return m_path; }
    QUndoStack &undoStack() { return m_undo; }
    bool isModified() const { return !m_undo.isClean(); }
    // What the file held when the plan was read from it or last written to it.
    const FileIdentity &fileIdentity() const { return m_identity; }
    // Whether the file now holds something else; false while the plan has no file, and when the
    // file is gone (a save makes it anew).
    bool isModifiedOnDisk() const;

    // Writes the plan to the path, which becomes its file. Over its own file changed by another
    // program only with Conflict::Overwrite; never over a read-only file. Nothing is replaced
    // unless all of the plan reached the disk; the replaced version is kept as a backup. The
    // file holds the plan as it was when the save began, whatever changes while it runs; such
    // changes leave the plan modified.
    SaveOutcome save(const QString &path, Conflict conflict, const Runner &run = runHere);
    // Before any property of the object changes: a save under way keeps the object as it was.
    void aboutToChange(int objectId);
    // Why the last save did not write, in one line naming the file.
    const QString &saveErrorMessage() const { return m_saveError; }

Q_SIGNALS:
    // The file changed on disk since it was read or written; said once for each new state.
    void modifiedOnDisk();

private:
    void watch();
    void checkDisk();

    std::unique_ptr<PlanDocument> m_plan;
    QString m_path;
    FileIdentity m_identity;
    // The disk's state last announced, so that one change is announced once.
    FileIdentity m_announced;
    QUndoStack m_undo;
    QString m_saveError;
    QFileSystemWatcher m_watcher;
    // While a save runs: the plan as it was when the save began.
    std::unique_ptr<PlanSnapshot> m_snapshot;
    bool m_changedWhileSaving = false;
    // Another program's save arrives as several events; the file is looked at once it is quiet.
    QTimer m_settle;
};

} // namespace VelmarisEditor
