#include "model/CategoryRowLookup.h"

#include <QStandardItemModel>

namespace Velmaris {

int CategoryRowLookup::find(const QStandardItemModel &model, int keyRole, const std::string &key)
{
    if (!m_valid) {
        m_rowByKey.clear();
        for (int row = 0; row < model.rowCount(); ++row)
            m_rowByKey[model.index(row, 0).data(keyRole).toString().toStdString()] = row;
        m_valid = true;
    }
    const auto found = m_rowByKey.find(key);
    return found == m_rowByKey.end() ? -1 : found->second;
}

void CategoryRowLookup::appended(const std::string &key, int row)
{
    if (m_valid)
        m_rowByKey[key] = row;
}

} // namespace Velmaris
