#include "app/ui/MainWindow.h"

#include "app/plan/PlanFile.h"
#include "app/report/ObjectReport.h"
#include "app/ui/ModelDump.h"
#include "app/ui/UndoablePropertyCommand.h"

#include <velmaris/viewer/PdfViewer.h>
#include <velmaris/widgets/PropertyTreeView.h>

#include <velmaris/host/commands/CommandBase.h>
#include <velmaris/host/property/BaseProperty.h>

#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QToolBar>
#include <QTreeView>
#include <QUndoView>
#include <QVBoxLayout>

#include <utility>

namespace VelmarisEditor {

const Currency s_currencies[3] = {{"EUR", 1.0}, {"CHF", 0.95}, {"USD", 1.08}};

namespace {

// Keeps a flag set for one scope: while the view is filled, modification signals are not edits.
class Filling
{
public:
    explicit Filling(bool &flag) : m_flag(flag), m_before(flag) { m_flag = true; }
    ~Filling() { m_flag = m_before; }

private:
    bool &m_flag;
    bool m_before;
};

} // namespace

MainWindow::MainWindow(std::unique_ptr<PlanDocument> plan, std::unique_ptr<PlanDocument> reference,
                       QString planPath)
    : m_plan(std::move(plan))
    , m_reference(std::move(reference))
    , m_planPath(std::move(planPath))
    , m_filler(m_model, *m_plan)
{
    m_filler.setReference(m_reference.get());
    m_model.setExchangeRate({s_currencies[0].rate, s_currencies[0].code});
    m_filter.setSourceModel(&m_model);
    m_filter.setRecursiveFilteringEnabled(true);
    m_filter.setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_filter.setFilterKeyColumn(PropertyViewFiller::labelColumn);
    connect(&m_model, &Velmaris::ProcPlanBaseQItemModel::sigPropGotModified, this, &MainWindow::commitEdit);
    buildUi();
    buildMenus();
    if (!m_plan->objects.empty())
        selectObject(m_plan->objects.front().id);
}

MainWindow::~MainWindow()
{
    // The view goes before the model it shows.
    delete m_view;
}

void MainWindow::buildUi()
{
    setWindowTitle(tr("Velmaris process plan editor"));
    m_objects = new QListWidget;
    for (const PlanObject &object : m_plan->objects) {
        auto *item = new QListWidgetItem(QString::fromStdString(m_plan->labels.getLabel(object.owner.get())),
                                         m_objects);
        item->setData(Qt::UserRole, object.id);
        item->setToolTip(tr("%1, id %2").arg(QString::fromStdString(object.kind)).arg(object.id));
    }
    connect(m_objects, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            selectObject(item->data(Qt::UserRole).toInt());
    });

    m_view = new Velmaris::PropertyTreeView;
    m_view->setModel(&m_filter);
    m_view->setAlternatingRowColors(true);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);

    m_filterEdit = new QLineEdit;
    m_filterEdit->setPlaceholderText(tr("Filter properties by label"));
    m_filterEdit->setClearButtonEnabled(true);
    connect(m_filterEdit, &QLineEdit::textChanged, this, &MainWindow::setFilterText);

    auto *right = new QWidget;
    auto *layout = new QVBoxLayout(right);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_filterEdit);
    layout->addWidget(m_view);
    auto *splitter = new QSplitter;
    splitter->addWidget(m_objects);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 3);
    setCentralWidget(splitter);
    setTabOrder(m_objects, m_filterEdit);
    setTabOrder(m_filterEdit, m_view);

    auto *history = new QDockWidget(tr("History"), this);
    history->setObjectName(QStringLiteral("history"));
    history->setWidget(new QUndoView(&m_undo));
    addDockWidget(Qt::RightDockWidgetArea, history);
    resize(1200, 720);
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Open..."), this, &MainWindow::openPlan, QKeySequence::Open);
    file->addAction(tr("&Save"), this, [this] {
        if (!m_planPath.isEmpty())
            saveTo(m_planPath);
        else if (const QString path = QFileDialog::getSaveFileName(this, tr("Save plan"), {}, tr("Plans (*.json)"));
                 !path.isEmpty() && saveTo(path))
            m_planPath = path;
    }, QKeySequence::Save);
    file->addAction(tr("Save &as..."), this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, tr("Save plan"), m_planPath, tr("Plans (*.json)"));
        if (!path.isEmpty() && saveTo(path))
            m_planPath = path;
    }, QKeySequence::SaveAs);
    file->addAction(tr("Show report"), this, &MainWindow::showReport);
    file->addSeparator();
    file->addAction(tr("&Quit"), this, &QWidget::close, QKeySequence::Quit);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QAction *undo = m_undo.createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_undo.createRedoAction(this, tr("&Redo"));
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    auto *toAutomatic = new QAction(tr("Set to automatic"), this);
    connect(toAutomatic, &QAction::triggered, this, &MainWindow::setSelectedToAutomatic);
    edit->addAction(toAutomatic);
    m_view->addAction(toAutomatic);

    QToolBar *settings = addToolBar(tr("Settings"));
    settings->setObjectName(QStringLiteral("settings"));
    settings->addWidget(new QLabel(tr("Currency ")));
    m_currency = new QComboBox;
    for (const Currency &currency : s_currencies)
        m_currency->addItem(QString::fromLatin1(currency.code));
    connect(m_currency, &QComboBox::currentTextChanged, this, &MainWindow::setCurrency);
    settings->addWidget(m_currency);
    m_compare = settings->addAction(tr("Compare with reference plan"));
    m_compare->setCheckable(true);
    m_compare->setEnabled(m_reference != nullptr);
    connect(m_compare, &QAction::toggled, this, &MainWindow::setCompareWithReference);
    m_showAll = settings->addAction(tr("Show all properties"));
    m_showAll->setCheckable(true);
    connect(m_showAll, &QAction::toggled, this, &MainWindow::setShowAllProperties);
}

const PlanObject *MainWindow::currentObject() const
{
    return m_plan->object(m_objectId);
}

bool MainWindow::selectObject(int objectId)
{
    if (!m_plan->object(objectId))
        return false;
    m_objectId = objectId;
    for (int row = 0; row < m_objects->count(); ++row) {
        if (m_objects->item(row)->data(Qt::UserRole).toInt() == objectId && m_objects->currentRow() != row)
            m_objects->setCurrentRow(row);
    }
    refill();
    return true;
}

bool MainWindow::setCurrency(const QString &code)
{
    for (const Currency &currency : s_currencies) {
        if (code == QLatin1String(currency.code)) {
            m_model.setExchangeRate({currency.rate, currency.code});
            if (m_currency->currentText() != code)
                m_currency->setCurrentText(code);
            refill();
            return true;
        }
    }
    return false;
}

void MainWindow::setCompareWithReference(bool compare)
{
    m_model.enableReferenceComparison(compare && m_reference);
    if (m_compare->isChecked() != compare)
        m_compare->setChecked(compare);
    refill();
}

void MainWindow::setShowAllProperties(bool showAll)
{
    Velmaris::ProcPlanBaseQItemModel::setShowAllProperties(showAll);
    if (m_showAll->isChecked() != showAll)
        m_showAll->setChecked(showAll);
    refill();
}

void MainWindow::setFilterText(const QString &text)
{
    m_filter.setFilterFixedString(text);
    m_view->expandAll();
}

void MainWindow::refill()
{
    const PlanObject *object = currentObject();
    if (!object)
        return;
    {
        const Filling filling(m_filling);
        m_filler.fill(*object);
    }
    m_view->expandAll();
    // Measured once per fill; an edit's refresh of one row leaves the widths alone.
    m_view->resizeColumnToContents(PropertyViewFiller::labelColumn);
}

void MainWindow::refresh(int objectId, const std::string &key)
{
    const PlanObject *object = m_plan->object(objectId);
    if (!object || objectId != m_objectId)
        return;
    const Filling filling(m_filling);
    m_filler.refresh(*object, key);
}

void MainWindow::commitEdit(const QModelIndex &cell)
{
    if (m_filling)
        return;
    const CellProperty at = propertyAt(cell);
    if (!at.property)
        return;
    std::shared_ptr<Velmaris::CommandBase> command;
    {
        const Filling filling(m_filling);
        command = m_model.generatePropertyModifyCommand(&m_plan->controller, at.object->object, m_plan->layout,
                                                        at.property, cell);
    }
    if (command)
        pushUndoable(command, at);
    else
        refresh(at.objectId, at.key); // nothing to store: show the property as it is
}

MainWindow::CellProperty MainWindow::propertyAt(const QModelIndex &cell) const
{
    CellProperty at;
    at.objectId = m_model.getPropertyParentIdAtIndex(cell);
    at.key = m_model.getPropertyKeyAtIndex(cell);
    at.object = m_plan->object(at.objectId);
    at.property = at.object ? at.object->property(at.key) : nullptr;
    return at;
}

void MainWindow::setSelectedToAutomatic()
{
    const QModelIndex selected = m_filter.mapToSource(m_view->currentIndex());
    if (!selected.isValid())
        return;
    const QModelIndex cell = selected.siblingAtColumn(PropertyViewFiller::valueColumn);
    const CellProperty at = propertyAt(cell);
    if (!at.property)
        return;
    auto command = m_model.generateSetPropertyToAutoCommand(at.object->object, m_plan->layout, at.property);
    if (!command)
        return;
    if (command->getDescription().empty())
        command->setDescription(tr("Set %1 to automatic")
                                    .arg(QString::fromStdString(m_plan->labels.getLabel(at.property)))
                                    .toStdString());
    pushUndoable(command, at);
}

void MainWindow::pushUndoable(const std::shared_ptr<Velmaris::CommandBase> &command, const CellProperty &at)
{
    m_undo.push(new UndoablePropertyCommand(command, [this, objectId = at.objectId, key = at.key] {
        refresh(objectId, key);
    }));
}

bool MainWindow::saveTo(const QString &path)
{
    QString error;
    if (savePlan(*m_plan, path, &error)) {
        m_undo.setClean();
        return true;
    }
    QMessageBox::critical(this, tr("Saving failed"), error);
    return false;
}

void MainWindow::openPlan()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open plan"), {}, tr("Plans (*.json)"));
    if (path.isEmpty())
        return;
    PlanError error;
    std::unique_ptr<PlanDocument> plan = loadPlan(path, &error);
    if (!plan) {
        QMessageBox::critical(this, tr("Plan refused"), error.message());
        return;
    }
    auto *window = new MainWindow(std::move(plan), nullptr, path);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void MainWindow::showReport()
{
    const PlanObject *object = currentObject();
    if (!object)
        return;
    const QString title = QString::fromStdString(m_plan->labels.getLabel(object->owner.get()));
    Velmaris::PdfViewer::showDocument(QStringLiteral("velmaris-report-%1.pdf").arg(object->id),
                                      renderPropertyReport(m_model, title), this);
}

QString MainWindow::dump() const
{
    return dumpPropertyTree(m_model);
}

} // namespace VelmarisEditor
