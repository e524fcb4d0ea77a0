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
// made means a rebuild, a remembered row is trusted only while it holds the item made for it
// (any other item has its key read back), rows the host made itself are read on every lookup
// (their changes cannot be counted), and a miss is confirmed against every row. Left out: a
// row's data cleared (which passes by setData()) while the model's signals are blocked.
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
    // Per row, side by side so that checking a row touches one place.
    struct Row
    {
        const QStandardItem *ownItem; // the item this lookup made, or null
        QString key;                  // as read, sharing the item's text
    };
    std::vector<Row> m_rowRecords;
    std::vector<int> m_hostRows;      // rows whose item this lookup did not make, ascending
    int m_rows = -1; // the rows the table describes; -1 when it must be rebuilt
    // Counted by the items this lookup made, on every change of their data and when they go.
    std::shared_ptr<std::size_t> m_itemChanges = std::make_shared<std::size_t>(0);
    std::size_t m_seenItemChanges = 0;
};

} // namespace Velmaris
