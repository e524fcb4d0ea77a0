#include <velmaris/model/CellChangeBatch.h>
#include <velmaris/model/RoleListCache.h>

#include <QStandardItemModel>
#include <QVector>

namespace Velmaris {

CellChangeBatch::CellChangeBatch(QStandardItemModel &model, const QModelIndex &index, RoleListCache &roleLists)
    : m_model(model)
    , m_roleLists(roleLists)
    , m_index(index)
    , m_item(model.itemFromIndex(index))
    , m_wasBlocked(model.blockSignals(true))
{
}

CellChangeBatch::~CellChangeBatch()
{
    finish();
}

QVariant CellChangeBatch::stored(int role) const
{
    return m_item ? m_item->data(role) : QVariant();
}

void CellChangeBatch::write(const QVariant &value, int role)
{
    const QVariant before = stored(role);
    m_model.QStandardItemModel::setData(m_index, value, role);
    noteIfChanged(role, before, value);
}

// Qt's own test: an equal value of the same type is no change.
void CellChangeBatch::noteIfChanged(int role, const QVariant &before, const QVariant &after)
{
    if (!m_item || (after.isValid() && before.userType() == after.userType() && before == after))
        return;
    const auto note = [this](int changed) {
        if (!m_changedRoles.contains(changed))
            m_changedRoles.append(changed);
    };
    // Display and edit share one stored value, and Qt names both for a change of either.
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        note(Qt::DisplayRole);
        note(Qt::EditRole);
    } else {
        note(role);
    }
}

void CellChangeBatch::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_model.blockSignals(m_wasBlocked);
    if (m_wasBlocked || m_changedRoles.isEmpty())
        return;
    // No itemChanged of ours: QStandardItemModel answers its own dataChanged with one. The
    // roles are a copy, as a receiver that fills another cell may make the cache drop them.
    const QVector<int> roles = m_roleLists.listOf(m_changedRoles.cbegin(), m_changedRoles.cend());
    Q_EMIT m_model.dataChanged(m_index, m_index, roles);
}

} // namespace Velmaris
