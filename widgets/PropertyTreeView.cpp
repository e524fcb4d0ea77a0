#include <velmaris/widgets/PropertyTreeView.h>

#include <velmaris/widgets/AccessiblePropertyView.h>
#include <velmaris/widgets/PropertyItemDelegate.h>

#include <velmaris/model/ItemDataRoles.h>

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>

namespace Velmaris {

namespace {

// The last top-level row is a category: the last row shown lies in its unfolded children.
QModelIndex lastShownRow(const QTreeView &view)
{
    const QAbstractItemModel *model = view.model();
    QModelIndex row = model->index(model->rowCount(view.rootIndex()) - 1, 0, view.rootIndex());
    while (view.isExpanded(row) && model->rowCount(row) > 0)
        row = model->index(model->rowCount(row) - 1, 0, row);
    return row;
}

} // namespace

PropertyTreeView::PropertyTreeView(QWidget *parent)
    : QTreeView(parent)
{
    installPropertyViewAccessibility();
    setAccessibleName(tr("Properties"));
    setAccessibleDescription(tr("Property values by category; F2 edits the current value"));
    setItemDelegate(new PropertyItemDelegate(this));
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed | SelectedClicked);
    setSelectionBehavior(SelectRows);
    setTabKeyNavigation(false);
    // Measuring every row on each change made one edit cost tens of milliseconds.
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->setStretchLastSection(true);
}

QModelIndex PropertyTreeView::valueCellOfRow(const QModelIndex &index)
{
    if (!index.isValid())
        return {};
    const QAbstractItemModel *model = index.model();
    for (int column = 0; column < model->columnCount(index.parent()); ++column) {
        const QModelIndex cell = index.siblingAtColumn(column);
        if (cell.data(ValueCellRole).toBool())
            return cell;
    }
    return {};
}

QModelIndex PropertyTreeView::nextValueCell(QModelIndex from, bool down) const
{
    for (;;) {
        if (from.isValid())
            from = down ? indexBelow(from.siblingAtColumn(0)) : indexAbove(from.siblingAtColumn(0));
        else if (model() && model()->rowCount(rootIndex()) > 0)
            from = down ? model()->index(0, 0, rootIndex()) : lastShownRow(*this);
        if (!from.isValid())
            return {};
        if (const QModelIndex cell = valueCellOfRow(from); cell.isValid())
            return cell;
    }
}

QModelIndex PropertyTreeView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    switch (action) {
    case MoveLeft:
    case MoveRight:
        // Left and right would reach the label; on a category row they fold and unfold it.
        return valueCellOfRow(current).isValid() ? current : QTreeView::moveCursor(action, modifiers);
    case MoveUp:
    case MovePrevious:
        return nextValueCell(current, false);
    case MoveDown:
    case MoveNext:
        return nextValueCell(current, true);
    case MoveHome:
        return nextValueCell({}, true);
    case MoveEnd:
        return nextValueCell({}, false);
    case MovePageUp:
    case MovePageDown: {
        const QModelIndex landed = QTreeView::moveCursor(action, modifiers);
        if (const QModelIndex cell = valueCellOfRow(landed); cell.isValid())
            return cell;
        const bool down = action == MovePageDown;
        const QModelIndex near = nextValueCell(landed, down);
        return near.isValid() ? near : nextValueCell(landed, !down);
    }
    }
    return QTreeView::moveCursor(action, modifiers);
}

void PropertyTreeView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool openList = event->key() == Qt::Key_F4
                          || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
    if (state() != EditingState && current.isValid() && (enter || (openList && current.data(EnumEditorRole).toBool()))
        && edit(current, EditKeyPressed, event)) {
        if (auto *combo = qobject_cast<QComboBox *>(viewport()->focusWidget()); combo && openList)
            combo->showPopup();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void PropertyTreeView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    // After a key move Qt selects at the last press position; before any press that position
    // holds no row, and selecting nothing would clear the current cell.
    if (indexAt(rect.topLeft()).isValid() || indexAt(rect.bottomRight()).isValid())
        QTreeView::setSelection(rect, command);
}

void PropertyTreeView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeView::currentChanged(current, previous);
    const QModelIndex cell = valueCellOfRow(current);
    if (cell.isValid() && cell != current)
        selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
}

} // namespace Velmaris
