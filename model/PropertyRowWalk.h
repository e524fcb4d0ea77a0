#pragma once

#include <QAbstractItemModel>

namespace Velmaris {

/// @file
/// Walking the model's tree the way a view shows it.

/// Calls @p onCategory with each category row (the top level, column 0) and then @p onRow with
/// each property row beneath it (column 0), in row order.
///
/// Works on any model with the tree shape of ProcPlanBaseQItemModel, a proxy above it
/// included, so that a host that reads the filled rows (a dump, a report, a search by key)
/// walks them in one way. The walk asks for the row counts anew at every step, so the
/// callbacks may read but must not insert or remove rows.
template <typename OnCategory, typename OnRow>
void forEachPropertyRow(const QAbstractItemModel &model, OnCategory onCategory, OnRow onRow)
{
    for (int c = 0; c < model.rowCount(); ++c) {
        const QModelIndex category = model.index(c, 0);
        onCategory(category);
        for (int r = 0; r < model.rowCount(category); ++r)
            onRow(model.index(r, 0, category));
    }
}

/// Calls @p onRow with each property row (column 0), category by category, in row order.
template <typename OnRow>
void forEachPropertyRow(const QAbstractItemModel &model, OnRow onRow)
{
    forEachPropertyRow(model, [](const QModelIndex &) {}, onRow);
}

} // namespace Velmaris
