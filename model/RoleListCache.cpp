#include <velmaris/model/RoleListCache.h>

#include <algorithm>

namespace Velmaris {

const QVector<int> &RoleListCache::listOf(const int *begin, const int *end)
{
    for (const QVector<int> &list : m_lists) {
        if (std::equal(list.cbegin(), list.cend(), begin, end))
            return list;
    }
    QVector<int> &made = m_lists[m_next];
    made = QVector<int>(begin, end);
    m_next = (m_next + 1) % m_lists.size();
    return made;
}

} // namespace Velmaris
