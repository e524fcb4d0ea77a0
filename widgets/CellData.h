#pragma once

#include <velmaris/model/ItemDataRoles.h>

#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

#include <QModelIndex>
#include <QVariant>

namespace Velmaris {

// Readings of a cell's roles shared by the delegate, its words and its accessible interfaces.

inline bool has(const QModelIndex &cell, int role) { return cell.data(role).toBool(); }

inline int flagsOf(const QModelIndex &cell) { return cell.data(StateFlagsRole).toInt(); }

inline bool editable(const QModelIndex &cell) { return has(cell, ValueCellRole) && !has(cell, ReadOnlyRole); }

// A cell without a value holds the empty string instead of its kind's value.
inline bool hasValue(const QVariant &value)
{
    return value.userType() != QMetaType::QString || !value.toString().isEmpty();
}

// Label cells stand first in their rows.
inline QModelIndex labelOf(const QModelIndex &cell) { return cell.siblingAtColumn(0); }

inline VLDoubleSpinBoxData spinBoxSettings(const QModelIndex &cell)
{
    return cell.data(SpinBoxDataRole).value<VLDoubleSpinBoxData>();
}

} // namespace Velmaris
