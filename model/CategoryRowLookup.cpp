#include "model/CategoryRowLookup.h"

#include <QStandardItemModel>

namespace Velmaris {

int CategoryRowLookup::find(const QStandardItemModel &model, int keyRole, const std::string &key)
{
    if (!m_valid) {
        m_rowByKey.clear();
        for (int row = 0; row < model.rowCount(); ++row)
            m_rowByKey.put(model.index(row, 0).data(keyRole).toString().toStdString(), row);
        m_valid = true;
    }
    return m_rowByKey.find(key);
}

void CategoryRowLookup::appended(const std::string &key, int row)
{
    if (m_valid)
        m_rowByKey.put(key, row);
}

} // namespace Velmaris
