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
    std::vector<int> rows;
    rows.reserve(objectIds.size());
    for (const int id : objectIds) {
        rows.push_back(plan().row(id));
        if (rows.back() < 0)
            return false;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.size() == 1)
        return selectObject(plan().objects()[static_cast<std::size_t>(rows.front())].id);
    {
        const QScopedValueRollback<bool> selecting(m_selectingList, true);
        // Runs of neighbouring rows as one range each: a selection of single rows costs the
        // list a merge per row.
        QItemSelection selection;
        for (std::size_t first = 0; first < rows.size();) {
            std::size_t last = first;
            while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
                ++last;
            selection.select(m_objectList.index(rows[first]), m_objectList.index(rows[last]));
            first = last + 1;
        }
        QItemSelectionModel *list = m_objects->selectionModel();
        list->select(selection, QItemSelectionModel::ClearAndSelect);
        list->setCurrentIndex(m_objectList.index(rows.front()), QItemSelectionModel::NoUpdate);
    }
    showObjects(rows);
    return true;
}

void MainWindow::followListSelection()
{
    if (m_selectingList)
        return;
    std::vector<int> rows;
    for (const QItemSelectionRange &range : m_objects->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // A selection emptied by Ctrl+click leaves the object shown.
    if (rows.size() == 1)
        selectObject(plan().objects()[static_cast<std::size_t>(rows.front())].id);
    else if (rows.size() > 1)
        showObjects(rows);
}

void MainWindow::showObjects(const std::vector<int> &rows)
{
    std::vector<int> ids;
    ids.reserve(rows.size());
    for (const int row : rows)
        ids.push_back(plan().objects()[static_cast<std::size_t>(row)].id);
    if (ids == m_selectedIds)
        return;
    m_selectedIds = std::move(ids);
    m_objectId = -1;
    refill();
    showSelectionCount();
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
    // Rows filled later show the values as they are then.
    if (!m_pane.showsSeveral() || m_pane.isFilling())
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
    if (m_pane.isFilling())
        return; // not yet in view
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
