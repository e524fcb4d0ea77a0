#include "app/ui/MainWindow.h"

#include "app/report/ObjectReport.h"
#include "app/ui/HistoryView.h"
#include "app/ui/ModelDump.h"
#include "app/ui/RecentFiles.h"
#include "app/ui/UndoablePropertyCommand.h"

#include <velmaris/viewer/PdfViewer.h>
#include <velmaris/widgets/PropertyTreeView.h>

#include <velmaris/host/commands/CommandBase.h>
#include <velmaris/host/property/BaseProperty.h>

#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace VelmarisEditor {

const Currency s_currencies[3] = {{"EUR", 1.0}, {"CHF", 0.95}, {"USD", 1.08}};

namespace {

// Keeps a flag set for one scope: while the view is filled, modification signals are not edits.
using Filling = QScopedValueRollback<bool>;

bool isAutomatic(const CCAPIBaseCommon::BaseProperty &property)
{
    const CCAPIBaseCommon::PropertyState &automatic = property.automaticState();
    return property.value() == automatic.value && property.hasNoValue() == automatic.noValue;
}

// Narrower, the value column has no room left beside a label.
constexpr int usablePropertyViewWidth = 320;

// Qt 6 moved the shortcut ahead of the receiver in QMenu::addAction; this reads alike in both.
template <typename Receiver, typename Slot>
void addMenuAction(QMenu *menu, const QString &text, const QKeySequence &shortcut, Receiver *receiver, Slot slot)
{
    QAction *action = menu->addAction(text);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, receiver, slot);
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<Document> document, std::unique_ptr<PlanDocument> reference)
    : m_reference(std::move(reference))
    , m_language(document->plan().labels.getActiveLanguage())
{
    m_pane.setReference(m_reference.get());
    m_pane.setExchangeRate({s_currencies[0].rate, s_currencies[0].code});
    connect(&m_pane, &PropertyPane::edited, this, &MainWindow::commitEdit);
    connect(&m_pane, &PropertyPane::fillProgress, this, &MainWindow::showFillProgress);
    connect(&m_pane, &PropertyPane::shown, this, &MainWindow::arrangeShownRows);
    connect(&m_pane, &PropertyPane::pricesRefreshed, this, [this] { m_view->viewport()->update(); });
    buildUi();
    buildMenus();
    fitToScreen();
    replaceDocument(std::move(document));
}

MainWindow::~MainWindow()
{
    // The views go before the models they show.
    delete m_view;
    delete m_objects;
}

void MainWindow::buildUi()
{
    m_objects = new QListView;
    m_objects->setModel(&m_objectList);
    // Every row as high as the first, so that a long plan is laid out without measuring each.
    m_objects->setUniformItemSizes(true);
    // Ctrl and Shift with clicks or keys, and Ctrl+A, choose several objects to edit at once.
    m_objects->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(m_objects->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MainWindow::followListSelection);

    m_view = new Velmaris::PropertyTreeView;
    m_view->setModel(&m_pane.filterModel());
    m_view->setAlternatingRowColors(true);
    m_view->setMinimumWidth(usablePropertyViewWidth);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, &MainWindow::updateActions);

    m_filterEdit = new QLineEdit;
    m_filterEdit->setPlaceholderText(tr("Filter properties by label"));
    m_filterEdit->setClearButtonEnabled(true);
    connect(m_filterEdit, &QLineEdit::textChanged, this, &MainWindow::setFilterText);

    auto *right = new QWidget;
    auto *layout = new QVBoxLayout(right);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_filterEdit);
    layout->addWidget(m_view);
    m_splitter = new QSplitter;
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->addWidget(m_objects);
    m_splitter->addWidget(right);
    m_splitter->setStretchFactor(1, 3);
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);
    setTabOrder(m_objects, m_filterEdit);
    setTabOrder(m_filterEdit, m_view);

    auto *history = new QDockWidget(tr("History"), this);
    history->setObjectName(QStringLiteral("history"));
    history->setWidget(new HistoryView(&m_undoGroup));
    addDockWidget(Qt::RightDockWidgetArea, history);
    m_selectionCount = new QLabel;
    statusBar()->addPermanentWidget(m_selectionCount); // made now, so that the window's first size allows for it
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    addMenuAction(file, tr("&New"), QKeySequence::New, this, &MainWindow::newPlan);
    addMenuAction(file, tr("&Open..."), QKeySequence::Open, this, &MainWindow::openFromDialog);
    QMenu *recent = file->addMenu(tr("Open &recent"));
    m_recent = new RecentFiles(recent, this);
    connect(m_recent, &RecentFiles::openRequested, this, &MainWindow::openPlan);
    file->addAction(tr("Open reference plan..."), this, &MainWindow::openReferenceFromDialog);
    file->addSeparator();
    addMenuAction(file, tr("&Save"), QKeySequence::Save, this, &MainWindow::save);
    addMenuAction(file, tr("Save &as..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, &MainWindow::saveAs);
    file->addAction(tr("Show report"), this, &MainWindow::showReport);
    file->addSeparator();
    addMenuAction(file, tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QAction *undo = m_undoGroup.createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_undoGroup.createRedoAction(this, tr("&Redo"));
    // Ctrl+Y too, the redo key of Windows, where the users come from.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys << QKeySequence(Qt::CTRL | Qt::Key_Y);
    redo->setShortcuts(redoKeys);
    edit->addAction(undo);
    edit->addAction(redo);
    m_toAutomatic = edit->addAction(tr("Set to automatic"), this, &MainWindow::setSelectedToAutomatic);
    m_toAutomatic->setEnabled(false);
    // The context menu offers it only where it can act.
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (m_toAutomatic->isEnabled())
            QMenu::exec({m_toAutomatic}, m_view->viewport()->mapToGlobal(at), nullptr, m_view);
    });

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
    connect(m_compare, &QAction::toggled, this, &MainWindow::setCompareWithReference);
    updateCompareAction();
    m_showAll = settings->addAction(tr("Show all properties"));
    m_showAll->setCheckable(true);
    connect(m_showAll, &QAction::toggled, this, &MainWindow::setShowAllProperties);
}

void MainWindow::fitToScreen()
{
    // At 150 % scaling a full-HD screen offers 1280 x 720 logical pixels, less a task bar.
    const QRect available = screen()->availableGeometry();
    const QSize room = available.size() * 9 / 10;
    resize(QSize(1200, 720).boundedTo(room).expandedTo(minimumSizeHint()));
    move(available.center() - rect().center());
}

const PlanObject *MainWindow::currentObject() const
{
    return plan().object(m_objectId);
}

bool MainWindow::selectObject(int objectId)
{
    const int row = plan().row(objectId);
    if (row < 0)
        return false;
    if (objectId == m_objectId && m_selectedIds.empty())
        return true;
    // Set first: the list announces its new row, and that announcement finds nothing to do.
    m_objectId = objectId;
    m_selectedIds.clear();
    m_objects->setCurrentIndex(m_objectList.index(row));
    refill();
    showSelectionCount();
    return true;
}

bool MainWindow::setCurrency(const QString &code)
{
    for (const Currency &currency : s_currencies) {
        const QString known = QString::fromLatin1(currency.code);
        if (code.compare(known, Qt::CaseInsensitive) != 0)
            continue;
        if (m_currency->currentText() != known)
            m_currency->setCurrentText(known);
        if (propertyModel().exchangeRate().currency != currency.code) {
            m_pane.setExchangeRate({currency.rate, currency.code});
            m_pane.refreshPrices();
            updateActions();
        }
        return true;
    }
    return false;
}

void MainWindow::setCompareWithReference(bool compare)
{
    compare = compare && m_reference;
    if (m_compare->isChecked() != compare)
        m_compare->setChecked(compare);
    if (propertyModel().referenceComparisonEnabled() == compare)
        return;
    m_pane.enableReferenceComparison(compare);
    refill();
}

void MainWindow::setShowAllProperties(bool showAll)
{
    const bool changed = Velmaris::ProcPlanBaseQItemModel::getShowAllProperties() != showAll;
    Velmaris::ProcPlanBaseQItemModel::setShowAllProperties(showAll);
    if (m_showAll->isChecked() != showAll)
        m_showAll->setChecked(showAll);
    if (changed)
        refill();
}

void MainWindow::setFilterText(const QString &text)
{
    if (m_filterEdit->text() != text)
        m_filterEdit->setText(text); // comes back here with the same text
    m_pane.filterModel().setLabelFilter(text);
    // A category the last text hid comes back collapsed.
    expandCategories();
}

void MainWindow::expandCategories()
{
    // One by one: while the view waits to lay its rows out, each is only noted, and the rows
    // are laid out once. Not expandAll(), which keeps a persistent index per property.
    const PropertyFilterModel &shown = filterModel();
    for (int row = 0; row < shown.rowCount(); ++row)
        m_view->expand(shown.index(row, 0));
}

void MainWindow::refill()
{
    if (m_selectedIds.empty()) {
        m_pane.show(currentObject());
        return;
    }
    std::vector<const PlanObject *> objects;
    for (const int id : m_selectedIds)
        objects.push_back(plan().object(id));
    m_pane.showShared(objects);
}

void MainWindow::showFillProgress(int filled, int total)
{
    if (!m_fillProgress) {
        m_fillProgress = new QProgressBar;
        m_fillProgress->setFormat(tr("Showing properties: %p%"));
        statusBar()->addPermanentWidget(m_fillProgress);
    }
    m_fillProgress->setRange(0, total);
    m_fillProgress->setValue(filled);
}

void MainWindow::arrangeShownRows()
{
    delete m_fillProgress;
    m_fillProgress = nullptr;
    expandCategories();
    // Measured once per fill; an edit's refresh of one row leaves the widths alone.
    m_view->resizeColumnToContents(PropertyViewFiller::labelColumn);
    updateActions();
    // An empty view would not say why.
    if (m_pane.showsSeveral() && propertyModel().rowCount() == 0)
        statusBar()->showMessage(tr("The %n chosen objects share no property", nullptr, static_cast<int>(m_selectedIds.size())));
}

void MainWindow::refresh(int objectId, const std::string &key)
{
    const PlanObject *object = plan().object(objectId);
    if (!object || objectId != m_objectId)
        return;
    {
        const Filling filling(m_filling, true);
        m_pane.filler().refresh(*object, key);
    }
    updateActions();
}

void MainWindow::showChange(int objectId, const std::string &key)
{
    if (objectId == m_objectId)
        refresh(objectId, key);
    else if (!selectObject(objectId))
        return;
    const QModelIndex cell = m_pane.filler().valueCell(key);
    if (!cell.isValid() || m_pane.isFilling())
        return; // a hidden property, or one not yet in view
    if (!filterModel().mapFromSource(cell).isValid())
        setFilterText(QString());
    const QModelIndex shown = filterModel().mapFromSource(cell);
    m_view->setCurrentIndex(shown);
    m_view->scrollTo(shown);
}

void MainWindow::commitEdit(const QModelIndex &cell)
{
    if (m_filling)
        return;
    if (m_pane.showsSeveral()) {
        commitSharedEdit(cell);
        return;
    }
    const CellProperty at = propertyAt(cell);
    if (!at.property)
        return;
    std::shared_ptr<Velmaris::CommandBase> command;
    {
        const Filling filling(m_filling, true);
        command = propertyModel().generatePropertyModifyCommand(&plan().controller, at.object->object, plan().layout,
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
    at.objectId = propertyModel().getPropertyParentIdAtIndex(cell);
    at.key = propertyModel().getPropertyKeyAtIndex(cell);
    at.object = plan().object(at.objectId);
    at.property = at.object ? at.object->property(at.key) : nullptr;
    return at;
}

QModelIndex MainWindow::currentValueCell() const
{
    const QModelIndex current = filterModel().mapToSource(m_view->currentIndex());
    const QModelIndex cell = current.siblingAtColumn(PropertyViewFiller::valueColumn);
    return cell.data(Velmaris::ValueCellRole).toBool() ? cell : QModelIndex();
}

bool MainWindow::canSetToAutomatic() const
{
    const QModelIndex cell = currentValueCell();
    if (!cell.isValid() || cell.data(Velmaris::ReadOnlyRole).toBool())
        return false;
    if (const Velmaris::SharedProperty *shared = currentSharedProperty())
        return std::any_of(shared->members.begin(), shared->members.end(), [](const Velmaris::SharedPropertyMember &member) {
            return !isAutomatic(*member.container->getProperty());
        });
    const CCAPIBaseCommon::BaseProperty *property = propertyAt(cell).property;
    return property && !isAutomatic(*property);
}

void MainWindow::updateActions()
{
    m_toAutomatic->setEnabled(canSetToAutomatic());
}

void MainWindow::setSelectedToAutomatic()
{
    if (!canSetToAutomatic())
        return;
    if (const Velmaris::SharedProperty *shared = currentSharedProperty()) {
        if (auto command = propertyModel().generateSharedSetPropertyToAutoCommand(plan().layout, *shared))
            pushSharedUndoable(command, shared->key);
        return;
    }
    const CellProperty at = propertyAt(currentValueCell());
    auto command = propertyModel().generateSetPropertyToAutoCommand(at.object->object, plan().layout, at.property);
    if (!command)
        return;
    if (command->getDescription().empty())
        command->setDescription(tr("Set %1 to automatic")
                                    .arg(QString::fromStdString(plan().labels.getLabel(at.property)))
                                    .toStdString());
    pushUndoable(command, at);
}

void MainWindow::pushUndoable(const std::shared_ptr<Velmaris::CommandBase> &command, const CellProperty &at)
{
    const auto prepare = [this, objectId = at.objectId] { m_document->aboutToChange(objectId); };
    undoStack().push(new UndoablePropertyCommand(command, prepare, [this, objectId = at.objectId, key = at.key](bool revisit) {
        if (revisit)
            showChange(objectId, key);
        else
            refresh(objectId, key);
    }));
}

void MainWindow::showReport()
{
    const PlanObject *object = currentObject();
    if (!object)
        return;
    const QString title = QString::fromStdString(plan().labels.getLabel(object->owner.get()));
    const QString name = QStringLiteral("velmaris-report-%1.pdf").arg(object->id);
    m_pane.finish();
    const std::vector<ReportLine> lines = ObjectReport::lines(propertyModel(), m_reference.get());
    if (Velmaris::PdfViewer::showDocument(name, ObjectReport::render(lines, title), this))
        return;
    const QString path = Velmaris::PdfViewer::documentPath(name);
    statusBar()->showMessage(QFile::exists(path) ? tr("Report written to %1").arg(QDir::toNativeSeparators(path))
                                                 : tr("The report could not be written to %1")
                                                       .arg(QDir::toNativeSeparators(path)));
}

QString MainWindow::dump()
{
    m_pane.finish();
    return dumpPropertyTree(propertyModel());
}

} // namespace VelmarisEditor
