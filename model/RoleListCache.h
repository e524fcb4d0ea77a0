#pragma once

#include <QVector>

#include <array>
#include <cstddef>

namespace Velmaris {

// The roles that a cell's dataChanged names repeat from cell to cell of a kind. Handing out
// a share of a list made earlier saves an allocation per announced cell.
// Internal: neither installed nor exported.
class RoleListCache
{
public:
    // A list holding exactly [begin, end).
    const QVector<int> &listOf(const int *begin, const int *end);

private:
    // A fill alternates few lists (label cell, value key, value of each kind); the oldest goes.
    std::array<QVector<int>, 6> m_lists;
    std::size_t m_next = 0;
};

} // namespace Velmaris
