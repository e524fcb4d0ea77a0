#include "app/document/Document.h"

#include "app/plan/Excerpt.h"
#include "app/plan/FileReplacement.h"
#include "app/plan/PlanWriter.h"

#include <QFileInfo>

namespace VelmarisEditor {

namespace {

constexpr int s_settleMilliseconds = 200;

bool sameState(const FileIdentity &a, const FileIdentity &b)
{
    return a.exists == b.exists && a.size == b.size && a.modifiedNs == b.modifiedNs && a.device == b.device
           && a.inode == b.inode;
}

bool samePath(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

Document::Document(std::unique_ptr<PlanDocument> plan)
    : Document(std::move(plan), QString(), FileIdentity())
{
}

Document::Document(std::unique_ptr<PlanDocument> plan, QString path, FileIdentity identity)
    : m_plan(std::move(plan))
    , m_path(std::move(path))
    , m_identity(std::move(identity))
    , m_announced(m_identity)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(s_settleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &Document::checkDisk);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    watch();
}

void Document::runHere(const std::function<void()> &write, WorkProgress &)
{
    write();
}

std::unique_ptr<Document> Document::open(const QString &path, PlanError *error)
{
    FileIdentity identity;
    std::unique_ptr<PlanDocument> plan = loadPlan(path, error, &identity);
    if (!plan)
        return nullptr;
    return std::make_unique<Document>(std::move(plan), path, std::move(identity));
}

bool Document::isModifiedOnDisk() const
{
    return !m_path.isEmpty() && changedSince(m_identity, m_path);
}

void Document::watch()
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    // A file replaced by a rename is no longer watched; the new one is, from here on.
    if (!m_path.isEmpty() && QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}

void Document::checkDisk()
{
    watch();
    const FileIdentity now = FileIdentity::ofFile(m_path);
    if (sameState(now, m_announced) || !isModifiedOnDisk())
        return;
    m_announced = now;
    Q_EMIT modifiedOnDisk();
}

Document::SaveOutcome Document::save(const QString &path, Conflict conflict, const Runner &run)
{
    m_saveError.clear();
    const QString shown = escaped(path);
    if (conflict == Conflict::Refuse && samePath(path, m_path) && isModifiedOnDisk()) {
        m_saveError = QStringLiteral("%1: was changed by another program since it was read or last saved").arg(shown);
        return SaveOutcome::ChangedOnDisk;
    }
    if (isReadOnlyFile(path)) {
        m_saveError = QStringLiteral("%1: is read-only").arg(shown);
        return SaveOutcome::ReadOnly;
    }
    WorkProgress progress;
    bool finite = true;
    const ContentProducer produce = [this, &finite, &progress](const ByteSink &sink) {
        JsonWriter writer(sink);
        const bool written = writePlan(*m_plan, writer, m_snapshot.get(), &progress);
        finite = !writer.hadNonFiniteNumber();
        return written;
    };
    FileIdentity written;
    QString cause;
    bool replaced = false;
    m_snapshot = std::make_unique<PlanSnapshot>(*m_plan);
    m_changedWhileSaving = false;
    run([&] { replaced = replaceFile(path, produce, &written, &cause); }, progress);
    m_snapshot.reset();
    if (!replaced) {
        if (cause.isEmpty() && !finite)
            cause = QStringLiteral("the plan holds a number that is not finite");
        m_saveError = QStringLiteral("%1: cannot be written: %2").arg(shown, cause);
        return SaveOutcome::Failed;
    }
    m_path = path;
    m_identity = written;
    m_announced = written;
    // The file has the plan as it was when the save began: later changes are not saved.
    if (m_changedWhileSaving)
        m_undo.resetClean();
    else
        m_undo.setClean();
    watch();
    return SaveOutcome::Saved;
}

void Document::aboutToChange(int objectId)
{
    if (!m_snapshot)
        return;
    m_changedWhileSaving = true;
    const int row = m_plan->row(objectId);
    if (row >= 0)
        m_snapshot->preserve(static_cast<std::size_t>(row));
}

} // namespace VelmarisEditor
