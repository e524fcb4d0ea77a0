// The window's document side: which plan it holds, its file and title, opening, saving and
// closing without losing changes, and what it remembers between runs.
#include "app/ui/MainWindow.h"

#include "app/plan/PlanFile.h"
#include "app/ui/RecentFiles.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>

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

// The plan in the file; null after telling the user why it was refused.
std::unique_ptr<PlanDocument> loadOrTell(const QString &path, const QString &title, QWidget *parent)
{
    PlanError error;
    std::unique_ptr<PlanDocument> plan = loadPlan(path, &error);
    if (!plan)
        QMessageBox::critical(parent, title, error.message());
    return plan;
}

} // namespace

void MainWindow::replacePlan(std::unique_ptr<PlanDocument> plan, const QString &path)
{
    // Commands and the view's rows belong to the plan they were made for.
    m_undo.clear();
    m_objectId = -1;
    plan->labels.setActiveLanguage(m_language);
    m_filler.setPlan(plan.get());
    m_objectList.setPlan(plan.get());
    m_plan = std::move(plan);
    m_planPath = path;
    updateTitle();
    if (m_plan->objects().empty())
        refill();
    else
        selectObject(m_plan->objects().front().id);
}

void MainWindow::updateTitle()
{
    const QString name = m_planPath.isEmpty() ? tr("Untitled plan") : QFileInfo(m_planPath).fileName();
    // Qt shows "[*]" as "*" while the window is marked modified, and drops it otherwise.
    setWindowTitle(tr("%1[*] - Velmaris process plan editor").arg(name));
    setWindowModified(!m_undo.isClean());
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
    if (m_undo.isClean())
        return true;
    const QString name = m_planPath.isEmpty() ? tr("The untitled plan") : QFileInfo(m_planPath).fileName();
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

bool MainWindow::openPlan(const QString &path)
{
    if (!mayDropPlan())
        return false;
    std::unique_ptr<PlanDocument> plan = loadOrTell(path, tr("Plan refused"), this);
    if (!plan) {
        m_recent->remove(path);
        return false;
    }
    replacePlan(std::move(plan), path);
    m_recent->add(path);
    return true;
}

bool MainWindow::newPlan()
{
    if (!mayDropPlan())
        return false;
    std::unique_ptr<PlanDocument> plan = loadOrTell(QString::fromLatin1(s_samplePlan), tr("Plan refused"), this);
    if (!plan)
        return false;
    replacePlan(std::move(plan), QString());
    return true;
}

bool MainWindow::openReference(const QString &path)
{
    std::unique_ptr<PlanDocument> reference = loadOrTell(path, tr("Reference plan refused"), this);
    if (!reference)
        return false;
    reference->labels.setActiveLanguage(m_language);
    m_reference = std::move(reference);
    m_filler.setReference(m_reference.get());
    updateCompareAction();
    if (m_model.referenceComparisonEnabled())
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
    return m_planPath.isEmpty() ? saveAs() : saveTo(m_planPath);
}

bool MainWindow::saveAs()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save plan"), m_planPath, tr("Plans (*.json)"));
    return !path.isEmpty() && saveTo(path);
}

bool MainWindow::saveTo(const QString &path)
{
    QString error;
    if (!savePlan(*m_plan, path, &error)) {
        QMessageBox::critical(this, tr("Saving failed"), error);
        return false;
    }
    m_planPath = path;
    m_undo.setClean();
    m_recent->add(path);
    updateTitle();
    statusBar()->showMessage(tr("Saved to %1").arg(shownPath(path)), statusMilliseconds);
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!mayDropPlan()) {
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
