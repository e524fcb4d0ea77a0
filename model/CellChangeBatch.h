#pragma once

#include <QModelIndex>
#include <QVarLengthArray>
#include <QVariant>

class QStandardItem;
class QStandardItemModel;

namespace Velmaris {

class RoleListCache;

// Writes roles of one cell through QStandardItemModel::setData, one call per role, with the
// model's signals held back until finish(), which tells the observers once: dataChanged with
// every role that changed (and so itemChanged). A proxy and a view answer each dataChanged at a
// cost far above the write's own; a fill writes a dozen roles per cell. When the signals were
// already held back by the caller, nothing is told, as Qt itself would tell nothing.
class CellChangeBatch
{
public:
    CellChangeBatch(QStandardItemModel &model, const QModelIndex &index, RoleListCache &roleLists);
    ~CellChangeBatch();
    CellChangeBatch(const CellChangeBatch &) = delete;
    CellChangeBatch &operator=(const CellChangeBatch &) = delete;

    void write(const QVariant &value, int role);
    // For a write of role made by another function of the model.
    template <typename Write>
    void writeThrough(int role, Write write);
    void finish();

private:
    QVariant stored(int role) const;
    void noteIfChanged(int role, const QVariant &before, const QVariant &after);

    QStandardItemModel &m_model;
    RoleListCache &m_roleLists;
    QModelIndex m_index;
    QStandardItem *m_item;
    bool m_wasBlocked;
    bool m_finished = false;
    QVarLengthArray<int, 16> m_changedRoles; // on the stack: a fill makes millions of batches
};

template <typename Write>
void CellChangeBatch::writeThrough(int role, Write write)
{
    const QVariant before = stored(role);
    write();
    noteIfChanged(role, before, stored(role));
}

} // namespace Velmaris
