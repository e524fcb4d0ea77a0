// The window's side of several objects chosen together: the list's selection, the title and
// status bar saying how many, and edits of their shared properties as one command.
#include "app/ui/MainWindow.h"

#include "app/ui/UndoablePropertyCommand.h"

#include <velmaris/host/commands/CommandBase.h>

#include <QItemSelection>
#include <QLabel>
#include <QListView>
#include <QScopedValueRollback>
#include <QTreeView>

#include <algorithm>

namespace VelmarisEditor {

bool MainWindow::selectObjects(std::vector<int> objectIds)
{
    if (objectIds.empty())
        return false;
    for (const int id : objectIds) {
        if (plan().row(id) < 0)
            return false;
    }
    // In plan order, each once: the shared rows follow the first object's order.
    std::sort(objectIds.begin(), objectIds.end(), [this](int a, int b) { return plan().row(a) < plan().row(b); });
    objectIds.erase(std::unique(objectIds.begin(), objectIds.end()), objectIds.end());
    if (objectIds.size() == 1)
        return selectObject(objectIds.front());
    if (objectIds == m_selectedIds)
        return true;
    m_selectedIds = std::move(objectIds);
    m_objectId = -1;
    {
        const QScopedValueRollback<bool> selecting(m_selectingList, true);
        QItemSelection rows;
        for (const int id : m_selectedIds) {
            const QModelIndex row = m_objectList.index(plan().row(id));
            rows.select(row, row);
        }
        QItemSelectionModel *selection = m_objects->selectionModel();
        selection->select(rows, QItemSelectionModel::ClearAndSelect);
        selection->setCurrentIndex(m_objectList.index(plan().row(m_selectedIds.front())), QItemSelectionModel::NoUpdate);
    }
    refill();
    showSelectionCount();
    return true;
}

void MainWindow::followListSelection()
{
    if (m_selectingList)
        return;
    std::vector<int> ids;
    for (const QModelIndex &row : m_objects->selectionModel()->selectedRows())
        ids.push_back(row.data(ObjectListModel::idRole).toInt());
    // A selection emptied by Ctrl+click leaves the object shown.
    if (!ids.empty())
        selectObjects(std::move(ids));
}

void MainWindow::showSelectionCount()
{
    const int count = static_cast<int>(m_selectedIds.size());
    m_selectionCount->setText(count > 1 ? tr("%n objects selected", nullptr, count) : QString());
    updateTitle();
}

const Velmaris::SharedProperty *MainWindow::currentSharedProperty() const
{
    if (!m_pane.showsSeveral())
        return nullptr;
    const QModelIndex cell = currentValueCell();
    return cell.isValid() ? m_pane.sharedFiller().property(propertyModel().getPropertyKeyAtIndex(cell)) : nullptr;
}

void MainWindow::commitSharedEdit(const QModelIndex &cell)
{
    const std::string key = propertyModel().getPropertyKeyAtIndex(cell);
    const Velmaris::SharedProperty *shared = m_pane.sharedFiller().property(key);
    if (!shared)
        return;
    std::shared_ptr<Velmaris::CommandBase> command;
    {
        const QScopedValueRollback<bool> filling(m_filling, true);
        command = propertyModel().generateSharedPropertyModifyCommand(plan().layout, *shared, cell);
    }
    if (command)
        pushSharedUndoable(command, key);
    else
        refreshShared(key); // nothing to store: show the values as they are
}

void MainWindow::refreshShared(const std::string &key)
{
    if (!m_pane.showsSeveral())
        return;
    {
        const QScopedValueRollback<bool> filling(m_filling, true);
        m_pane.sharedFiller().refresh(propertyModel(), key);
    }
    updateActions();
}

void MainWindow::showSharedChange(const std::vector<int> &objectIds, const std::string &key)
{
    if (objectIds == m_selectedIds)
        refreshShared(key);
    else if (!selectObjects(objectIds))
        return;
    const QModelIndex cell = m_pane.sharedFiller().valueCell(propertyModel(), key);
    if (!cell.isValid())
        return;
    if (!filterModel().mapFromSource(cell).isValid())
        setFilterText(QString());
    const QModelIndex shown = filterModel().mapFromSource(cell);
    m_view->setCurrentIndex(shown);
    m_view->scrollTo(shown);
}

void MainWindow::pushSharedUndoable(const std::shared_ptr<Velmaris::CommandBase> &command, const std::string &key)
{
    const std::vector<int> ids = m_selectedIds;
    const auto prepare = [this, ids] {
        for (const int id : ids)
            m_document->aboutToChange(id);
    };
    // Undo and redo choose the same objects again, wherever the user went since.
    undoStack().push(new UndoablePropertyCommand(command, prepare, [this, ids, key](bool revisit) {
        if (revisit)
            showSharedChange(ids, key);
        else
            refreshShared(key);
    }));
}

} // namespace VelmarisEditor
