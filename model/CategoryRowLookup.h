#pragma once

#include "model/KeyRowTable.h"

#include <string>

class QStandardItemModel;

namespace Velmaris {

// Remembers which top-level row carries which category key, so that finding a category does
// not scan every row. The owner calls invalidate() on any change of the top level; the next
// lookup then rebuilds from the rows.
class CategoryRowLookup
{
public:
    // The last top-level row whose key role equals key, or -1.
    int find(const QStandardItemModel &model, int keyRole, const std::string &key);
    // Records a row the owner has just appended, keeping the lookup valid.
    void appended(const std::string &key, int row);
    void invalidate() { m_valid = false; }

private:
    KeyRowTable m_rowByKey;
    bool m_valid = false;
};

} // namespace Velmaris
