// The window's document side: which plan it holds, its file and title, opening, saving and
// closing without losing changes, and what it remembers between runs.
#include "app/ui/MainWindow.h"

#include "app/plan/PlanFile.h"
#include "app/ui/BackgroundWork.h"
#include "app/ui/RecentFiles.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QThreadPool>
#include <QStatusBar>
#include <QToolBar>
#include <QMenuBar>

#include <utility>

namespace VelmarisEditor {

namespace {

constexpr int statusMilliseconds = 10000;

const QString s_geometryKey = QStringLiteral("window/geometry");
const QString s_stateKey = QStringLiteral("window/state");
const QString s_splitterKey = QStringLiteral("window/splitter");
const QString s_currencyKey = QStringLiteral("view/currency");
const QString s_compareKey = QStringLiteral("view/compare");
const QString s_showAllKey = QStringLiteral("view/showAll");

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

std::unique_ptr<PlanDocument> loadOrTell(const QString &path, const QString &title, QWidget *parent)
{
    PlanError error;
    std::unique_ptr<PlanDocument> plan = loadPlan(path, &error);
    if (!plan)
        QMessageBox::critical(parent, title, error.message());
    return plan;
}

// Deletes the document, its plan on another thread: nothing but the document refers to the plan,
// which holds no Qt objects.
void deleteInBackground(std::unique_ptr<Document> document)
{
    if (!document)
        return;
    auto plan = std::make_shared<std::unique_ptr<PlanDocument>>(document->takePlan());
    // Its commands go first, on this thread, while what they refer to still exists.
    document.reset();
    QThreadPool::globalInstance()->start([plan] { plan->reset(); });
}

} // namespace

MainWindow::Busy::Busy(MainWindow &window, Editing editing)
    : m_window(window)
{
    m_window.m_busy = true;
    std::vector<QWidget *> quiet{m_window.menuBar()};
    for (QToolBar *bar : m_window.findChildren<QToolBar *>())
        quiet.push_back(bar);
    if (editing == NoEditing)
        quiet.push_back(m_window.centralWidget());
    for (QWidget *widget : quiet) {
        if (widget->isEnabled()) {
            widget->setEnabled(false);
            m_disabled.push_back(widget);
        }
    }
}

MainWindow::Busy::~Busy()
{
    for (QWidget *widget : m_disabled)
        widget->setEnabled(true);
    m_window.m_busy = false;
}

void MainWindow::replaceDocument(std::unique_ptr<Document> document)
{
    // Commands and the view's rows belong to the plan they were made for.
    m_objectId = -1;
    m_selectedIds.clear();
    document->plan().labels.setActiveLanguage(m_language);
    m_pane.setPlan(&document->plan());
    m_objectList.setPlan(&document->plan());
    m_undoGroup.addStack(&document->undoStack());
    m_undoGroup.setActiveStack(&document->undoStack());
    connect(&document->undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    connect(document.get(), &Document::modifiedOnDisk, this, &MainWindow::offerReload);
    deleteInBackground(std::exchange(m_document, std::move(document)));
    updateTitle();
    if (plan().objects().empty())
        refill();
    else
        selectObject(plan().objects().front().id);
}

void MainWindow::updateTitle()
{
    const QString name = planPath().isEmpty() ? tr("Untitled plan") : QFileInfo(planPath()).fileName();
    // Qt shows "[*]" as "*" while the window is marked modified, and drops it otherwise.
    if (m_selectedIds.size() > 1)
        setWindowTitle(tr("%1[*] - %n objects - Velmaris process plan editor", nullptr, static_cast<int>(m_selectedIds.size()))
                           .arg(name));
    else
        setWindowTitle(tr("%1[*] - Velmaris process plan editor").arg(name));
    setWindowModified(m_document->isModified());
}

void MainWindow::updateCompareAction()
{
    m_compare->setEnabled(m_reference != nullptr);
    m_compare->setToolTip(m_reference ? tr("Mark the values that differ from the reference plan")
                                      : tr("No reference plan to compare with: open one with File, Open reference "
                                           "plan..."));
}

bool MainWindow::mayDropPlan()
{
    if (!m_document->isModified())
        return true;
    const QString name = planPath().isEmpty() ? tr("The untitled plan") : QFileInfo(planPath()).fileName();
    QMessageBox box(QMessageBox::Warning, tr("Unsaved changes"),
                    tr("%1 has changes that are not saved. Save them?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

std::unique_ptr<Document> MainWindow::readInBackground(const QString &path, PlanError *error)
{
    FileIdentity identity;
    std::unique_ptr<PlanDocument> plan;
    WorkProgress progress;
    {
        const Busy busy(*this, Busy::NoEditing);
        runInBackground(statusBar(), tr("Opening %1").arg(QFileInfo(path).fileName()), true, progress,
                        [&] { plan = loadPlan(path, error, &identity, &progress); });
    }
    return plan ? std::make_unique<Document>(std::move(plan), path, std::move(identity)) : nullptr;
}

bool MainWindow::openPlan(const QString &path)
{
    if (m_busy || !mayDropPlan())
        return false;
    PlanError error;
    if (openPlanQuietly(path, &error))
        return true;
    explainUnopened(path, error);
    return false;
}

void MainWindow::explainUnopened(const QString &path, const PlanError &error)
{
    if (error.cancelled) {
        statusBar()->showMessage(tr("Opening %1 was cancelled").arg(shownPath(path)), statusMilliseconds);
        return;
    }
    QMessageBox::critical(this, tr("Plan refused"), error.message());
    m_recent->remove(QFileInfo(path).absoluteFilePath());
}

bool MainWindow::openPlanQuietly(const QString &path, PlanError *error)
{
    std::unique_ptr<Document> document = readInBackground(path, error);
    if (!document)
        return false;
    replaceDocument(std::move(document));
    m_recent->add(path);
    return true;
}

bool MainWindow::newPlan()
{
    if (m_busy || !mayDropPlan())
        return false;
    std::unique_ptr<PlanDocument> plan = loadOrTell(QString::fromLatin1(s_samplePlan), tr("Plan refused"), this);
    if (!plan)
        return false;
    replaceDocument(std::make_unique<Document>(std::move(plan)));
    return true;
}

void MainWindow::offerReload()
{
    const QString name = QFileInfo(planPath()).fileName();
    if (m_document->isModified()) {
        statusBar()->showMessage(tr("%1 was changed by another program; saving will ask before overwriting it")
                                     .arg(name));
        return;
    }
    const QString path = planPath();
    const auto answer = QMessageBox::question(this, tr("File changed"),
                                              tr("%1 was changed by another program. Reload it?").arg(name),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    // The plan may have been edited, or another opened, while the question was open.
    if (answer != QMessageBox::Yes || m_busy || m_document->isModified() || planPath() != path)
        return;
    const int objectId = m_objectId;
    PlanError error;
    if (!openPlanQuietly(path, &error)) {
        explainUnopened(path, error);
        return;
    }
    selectObject(objectId);
    statusBar()->showMessage(tr("Reloaded %1").arg(shownPath(path)), statusMilliseconds);
}

bool MainWindow::openReference(const QString &path)
{
    std::unique_ptr<PlanDocument> reference = loadOrTell(path, tr("Reference plan refused"), this);
    if (!reference)
        return false;
    reference->labels.setActiveLanguage(m_language);
    m_reference = std::move(reference);
    m_pane.setReference(m_reference.get());
    updateCompareAction();
    if (propertyModel().referenceComparisonEnabled())
        refill();
    else
        setCompareWithReference(true);
    statusBar()->showMessage(tr("Comparing with %1").arg(shownPath(path)), statusMilliseconds);
    return true;
}

void MainWindow::openFromDialog()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open plan"), {}, tr("Plans (*.json)"));
    if (!path.isEmpty())
        openPlan(path);
}

void MainWindow::openReferenceFromDialog()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open reference plan"), {}, tr("Plans (*.json)"));
    if (!path.isEmpty())
        openReference(path);
}

bool MainWindow::save()
{
    if (m_busy)
        return false;
    return planPath().isEmpty() ? saveAs() : saveTo(planPath());
}

bool MainWindow::saveAs()
{
    QFileDialog dialog(this, tr("Save plan"), planPath(), tr("Plans (*.json)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without one gets it, so that the Open dialog's filter shows the file.
    dialog.setDefaultSuffix(QStringLiteral("json"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
           && saveTo(dialog.selectedFiles().constFirst());
}

bool MainWindow::saveTo(const QString &path)
{
    return saveWith(path, Document::Conflict::Refuse);
}

bool MainWindow::saveWith(const QString &path, Document::Conflict conflict)
{
    // The user may go on editing while a large plan is written; the file gets the plan as it was.
    const auto inBackground = [this, &path](const std::function<void()> &write, WorkProgress &progress) {
        const Busy busy(*this, Busy::EditingAllowed);
        runInBackground(statusBar(), tr("Saving %1").arg(QFileInfo(path).fileName()), false, progress, write);
    };
    const Document::SaveOutcome outcome = m_document->save(path, conflict, inBackground);
    if (outcome != Document::SaveOutcome::Saved)
        return resolveRefusedSave(outcome, path);
    m_recent->add(path);
    updateTitle();
    statusBar()->showMessage(tr("Saved to %1").arg(shownPath(path)), statusMilliseconds);
    return true;
}

bool MainWindow::resolveRefusedSave(Document::SaveOutcome outcome, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QMessageBox box(this);
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(tr("Save &as..."));
    box.setDefaultButton(QMessageBox::Save);
    switch (outcome) {
    case Document::SaveOutcome::ChangedOnDisk:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(tr("File changed"));
        box.setText(tr("%1 was changed by another program since it was opened or last saved. Overwrite "
                       "those changes with this plan?").arg(name));
        box.addButton(QMessageBox::Yes)->setText(tr("&Overwrite"));
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    case Document::SaveOutcome::ReadOnly:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(tr("Read-only file"));
        box.setText(tr("%1 is read-only and was not replaced. Save the plan under another name?").arg(name));
        break;
    default:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(tr("Saving failed"));
        box.setText(tr("The plan was not saved; the file is as it was. Save it under another name?"));
        box.setInformativeText(m_document->saveErrorMessage());
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return saveWith(path, Document::Conflict::Overwrite);
    case QMessageBox::Save:
        return saveAs();
    default:
        return false;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A plan being read or written would be lost half way.
    if (m_busy || !mayDropPlan()) {
        event->ignore();
        return;
    }
    saveSettings();
    event->accept();
}

void MainWindow::useSettings(QSettings *settings)
{
    m_settings = settings;
    m_recent->useSettings(settings);
    if (!planPath().isEmpty())
        m_recent->add(planPath());
    restoreGeometry(settings->value(s_geometryKey).toByteArray());
    restoreState(settings->value(s_stateKey).toByteArray());
    m_splitter->restoreState(settings->value(s_splitterKey).toByteArray());
    setCurrency(settings->value(s_currencyKey).toString());
    setCompareWithReference(settings->value(s_compareKey).toBool());
    setShowAllProperties(settings->value(s_showAllKey).toBool());
}

void MainWindow::saveSettings()
{
    if (!m_settings)
        return;
    m_settings->setValue(s_geometryKey, saveGeometry());
    m_settings->setValue(s_stateKey, saveState());
    m_settings->setValue(s_splitterKey, m_splitter->saveState());
    m_settings->setValue(s_currencyKey, m_currency->currentText());
    m_settings->setValue(s_compareKey, m_compare->isChecked());
    m_settings->setValue(s_showAllKey, m_showAll->isChecked());
}

} // namespace VelmarisEditor
