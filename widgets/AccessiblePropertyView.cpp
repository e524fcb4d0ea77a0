#include <velmaris/widgets/AccessiblePropertyView.h>

#include <velmaris/widgets/AccessibleCell.h>
#include <velmaris/widgets/EditorAccessibility.h>
#include <velmaris/widgets/PropertyTreeView.h>

#include <QHeaderView>
#include <QItemSelectionRange>
#include <QPointer>
#include <QTimer>

namespace Velmaris {

namespace {

// A section of the view's header: the column's title, named so that a cell's column is known.
class HeaderCellAccessible : public QAccessibleInterface
{
public:
    HeaderCellAccessible(PropertyTreeView *view, int section) : m_view(view), m_section(section) {}

    bool isValid() const override { return m_view && m_view->model(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view->window()->windowHandle(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_view->model()->headerData(m_section, Qt::Horizontal).toString() : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const QHeaderView *header = m_view->header();
        const QPoint topLeft = header->mapToGlobal(QPoint(header->sectionViewportPosition(m_section), 0));
        return {topLeft, QSize(header->sectionSize(m_section), header->height())};
    }
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = m_view->header()->isHidden();
        return state;
    }

private:
    QPointer<PropertyTreeView> m_view;
    int m_section;
};

// Asked for while the editor is still being filled, before it knows its cell.
bool inPropertyView(QObject *object)
{
    const QObject *viewport = object->parent();
    return viewport && qobject_cast<const PropertyTreeView *>(viewport->parent());
}

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Velmaris::PropertyTreeView"))
        return new PropertyViewAccessible(static_cast<PropertyTreeView *>(object));
    if (className == QLatin1String("Velmaris::NumberEditor"))
        return new EditorAccessible(static_cast<QWidget *>(object), QAccessible::SpinBox);
    // Only the delegate's choice lists; every other combo box keeps Qt's own interface.
    if (className == QLatin1String("QComboBox") && inPropertyView(object))
        return new EditorAccessible(static_cast<QWidget *>(object), QAccessible::ComboBox);
    return nullptr;
}

} // namespace

void installPropertyViewAccessibility()
{
    QAccessible::installFactory(factory);
}

PropertyViewAccessible::PropertyViewAccessible(PropertyTreeView *view)
    : QAccessibleWidget(view, QAccessible::Tree)
{
    QObject::connect(view, &QTreeView::expanded, &m_modelWatch, [this] { forgetRows(); });
    QObject::connect(view, &QTreeView::collapsed, &m_modelWatch, [this] { forgetRows(); });
}

PropertyViewAccessible::~PropertyViewAccessible()
{
    for (const QAccessible::Id id : qAsConst(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

PropertyViewAccessible *PropertyViewAccessible::of(PropertyTreeView *view)
{
    return static_cast<PropertyViewAccessible *>(QAccessible::queryAccessibleInterface(view));
}

PropertyTreeView *PropertyViewAccessible::view() const
{
    return static_cast<PropertyTreeView *>(object());
}

const std::vector<QPersistentModelIndex> &PropertyViewAccessible::rows() const
{
    const QAbstractItemModel *model = view()->model();
    if (model != m_watchedModel) {
        // Connected to the model itself: a filter that changes its rows tells the view no more.
        if (m_watchedModel)
            QObject::disconnect(m_watchedModel, nullptr, &m_modelWatch, nullptr);
        m_watchedModel = model;
        if (model) {
            const auto forget = [this] { forgetRows(); };
            QObject::connect(model, &QAbstractItemModel::layoutChanged, &m_modelWatch, forget);
            QObject::connect(model, &QAbstractItemModel::modelReset, &m_modelWatch, forget);
            QObject::connect(model, &QAbstractItemModel::rowsInserted, &m_modelWatch, forget);
            QObject::connect(model, &QAbstractItemModel::rowsRemoved, &m_modelWatch, forget);
            QObject::connect(model, &QAbstractItemModel::rowsMoved, &m_modelWatch, forget);
            QObject::connect(model, &QAbstractItemModel::dataChanged, &m_modelWatch,
                             [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                                 announceChange(QItemSelectionRange(topLeft, bottomRight));
                             });
        }
        forgetRows();
    }
    if (!m_rowsKnown) {
        m_rows.clear();
        if (model) {
            for (QModelIndex row = model->index(0, 0, view()->rootIndex()); row.isValid(); row = view()->indexBelow(row))
                m_rows.emplace_back(row);
        }
        m_rowsKnown = true;
    }
    return m_rows;
}

void PropertyViewAccessible::forgetRows() const
{
    for (const QAccessible::Id id : qAsConst(m_children))
        QAccessible::deleteAccessibleInterface(id);
    m_children.clear();
    m_rowsKnown = false;
}

void PropertyViewAccessible::announceChange(const QItemSelectionRange &changed) const
{
    if (!QAccessible::isActive() || m_announcing || !changed.contains(view()->currentIndex()))
        return;
    // An edit changes its cell several times (the value, the command's text, the refill); the
    // reader hears the end of it once.
    m_announcing = true;
    QTimer::singleShot(0, &m_modelWatch, [this] {
        m_announcing = false;
        announceCurrent();
    });
}

void PropertyViewAccessible::announceCurrent() const
{
    QAccessibleInterface *cell = cellFor(view()->currentIndex());
    if (!cell)
        return;
    for (const QAccessible::Event type : {QAccessible::NameChanged, QAccessible::DescriptionChanged}) {
        QAccessibleEvent event(cell, type);
        QAccessible::updateAccessibility(&event);
    }
    QAccessible::State checked;
    checked.checked = true;
    QAccessibleStateChangeEvent event(cell, checked);
    QAccessible::updateAccessibility(&event);
}

int PropertyViewAccessible::shownRow(const QModelIndex &index) const
{
    if (!index.isValid())
        return -1;
    const QModelIndex first = index.siblingAtColumn(0);
    const auto &shown = rows();
    const auto found = std::find(shown.begin(), shown.end(), first);
    return found == shown.end() ? -1 : static_cast<int>(found - shown.begin());
}

QAccessibleInterface *PropertyViewAccessible::cellFor(const QModelIndex &index) const
{
    const int row = shownRow(index);
    return row < 0 ? nullptr : cellAt(row, index.column());
}

int PropertyViewAccessible::columnCount() const
{
    const QAbstractItemModel *model = view()->model();
    return model ? model->columnCount(view()->rootIndex()) : 0;
}

int PropertyViewAccessible::rowCount() const
{
    return static_cast<int>(rows().size());
}

int PropertyViewAccessible::childCount() const
{
    const int columns = columnCount();
    return columns == 0 ? 0 : (rowCount() + 1) * columns;
}

QAccessibleInterface *PropertyViewAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto known = m_children.constFind(index); known != m_children.constEnd()) {
        if (QAccessibleInterface *cell = QAccessible::accessibleInterface(*known))
            return cell;
    }
    QAccessibleInterface *made = nullptr;
    if (index < columns) {
        made = new HeaderCellAccessible(view(), index);
    } else {
        const QModelIndex row = rows()[index / columns - 1];
        made = new AccessibleCell(view(), row.sibling(row.row(), index % columns));
    }
    m_children.insert(index, QAccessible::registerAccessibleInterface(made));
    return made;
}

int PropertyViewAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    for (auto known = m_children.constBegin(); known != m_children.constEnd(); ++known) {
        if (known.value() == id)
            return known.key();
    }
    return -1;
}

QAccessibleInterface *PropertyViewAccessible::cellAt(int row, int column) const
{
    const int columns = columnCount();
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns)
        return nullptr;
    return child((row + 1) * columns + column);
}

QAccessibleInterface *PropertyViewAccessible::childAt(int x, int y) const
{
    const QPoint at = view()->viewport()->mapFromGlobal(QPoint(x, y));
    return cellFor(view()->indexAt(at));
}

QAccessibleInterface *PropertyViewAccessible::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    if (QWidget *editor = view()->indexWidget(current); editor && editor->hasFocus())
        return QAccessible::queryAccessibleInterface(editor);
    return view()->hasFocus() ? cellFor(current) : nullptr;
}

void *PropertyViewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

int PropertyViewAccessible::selectedCellCount() const
{
    return selectedCells().size();
}

QList<QAccessibleInterface *> PropertyViewAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    for (const QModelIndex &index : view()->selectionModel()->selectedIndexes()) {
        if (QAccessibleInterface *cell = cellFor(index))
            cells << cell;
    }
    return cells;
}

QString PropertyViewAccessible::columnDescription(int column) const
{
    return view()->model()->headerData(column, Qt::Horizontal).toString();
}

QString PropertyViewAccessible::rowDescription(int row) const
{
    return row >= 0 && row < rowCount() ? rows()[row].data().toString() : QString();
}

QList<int> PropertyViewAccessible::selectedRows() const
{
    QList<int> selected;
    for (int row = 0; row < rowCount(); ++row) {
        if (isRowSelected(row))
            selected << row;
    }
    return selected;
}

int PropertyViewAccessible::selectedRowCount() const
{
    return selectedRows().size();
}

bool PropertyViewAccessible::isRowSelected(int row) const
{
    if (row < 0 || row >= rowCount())
        return false;
    const QModelIndex first = rows()[row];
    return view()->selectionModel()->isRowSelected(first.row(), first.parent());
}

bool PropertyViewAccessible::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    view()->selectionModel()->select(rows()[row], QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return true;
}

bool PropertyViewAccessible::unselectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    view()->selectionModel()->select(rows()[row], QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return true;
}

void PropertyViewAccessible::modelChange(QAccessibleTableModelChangeEvent *event)
{
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
        forgetRows();
}

} // namespace Velmaris
