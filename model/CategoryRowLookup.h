#pragma once

#include <velmaris/model/KeyRowTable.h>

#include <QString>

#include <memory>
#include <string>
#include <vector>

class QStandardItem;
class QStandardItemModel;

namespace Velmaris {

// Remembers which top-level row carries which category key, so that finding a category does
// not scan every row. A host can change rows without a signal (signals blocked, an item's
// data replaced in place): a changed row count or a counted change of an item this lookup
// made means a rebuild, a remembered row is trusted only once it is seen to still hold its
// item and that item its key, rows the host made itself are read on every lookup (their
// changes cannot be counted), and a miss is confirmed against every row.
class CategoryRowLookup
{
public:
    // The last top-level row whose key role equals key, or -1.
    int find(const QStandardItemModel &model, int keyRole, const std::string &key);
    // The item of a new category row; it reports every change of its data to this lookup.
    QStandardItem *newCategoryItem() const;
    // Records a row the owner has just appended with an item from newCategoryItem().
    void appended(const std::string &key, const QString &keyText, const QStandardItem *item, int row);
    void invalidate() { m_rows = -1; }

private:
    void rebuild(const QStandardItemModel &model, int keyRole);
    bool stillHolds(const QStandardItemModel &model, int row, int keyRole) const;
    int confirmedMiss(const QStandardItemModel &model, int keyRole, const std::string &key);
    int lastHostRowAfter(int row, const QStandardItemModel &model, int keyRole, const std::string &key) const;

    KeyRowTable m_rowByKey;
    std::vector<QString> m_keyOfRow; // as read, sharing the item's text
    std::vector<const QStandardItem *> m_ownItemOfRow; // the item this lookup made, or null
    std::vector<int> m_hostRows;      // rows whose item this lookup did not make, ascending
    int m_rows = -1; // the rows the table describes; -1 when it must be rebuilt
    // Counted by the items this lookup made, on every change of their data and when they go.
    std::shared_ptr<std::size_t> m_itemChanges = std::make_shared<std::size_t>(0);
    std::size_t m_seenItemChanges = 0;
};

} // namespace Velmaris
