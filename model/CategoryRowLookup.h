#pragma once

#include "model/KeyRowTable.h"

#include <QString>

#include <string>
#include <vector>

class QStandardItemModel;

namespace Velmaris {

// Remembers which top-level row carries which category key, so that finding a category does
// not scan every row. A host can change rows without a signal (signals blocked, an item's
// data replaced in place), so a remembered row is read back before it is trusted, a changed
// row count means a rebuild, and a miss is confirmed against every row.
class CategoryRowLookup
{
public:
    // The last top-level row whose key role equals key, or -1.
    int find(const QStandardItemModel &model, int keyRole, const std::string &key);
    // Records a row the owner has just appended, keeping the lookup valid.
    void appended(const std::string &key, const QString &keyText, int row);
    void invalidate() { m_rows = -1; }

private:
    void rebuild(const QStandardItemModel &model, int keyRole);
    int confirmedMiss(const QStandardItemModel &model, int keyRole, const std::string &key);

    KeyRowTable m_rowByKey;
    // Each row's key as read, sharing the item's text, to check a remembered row cheaply.
    std::vector<QString> m_keyOfRow;
    int m_rows = -1; // the rows the table describes; -1 when it must be rebuilt
};

} // namespace Velmaris
