#include "model/CategoryRowLookup.h"

#include <QStandardItemModel>

namespace Velmaris {

namespace {

// A row without an item has no key, which reads as the empty text.
QString keyAt(const QStandardItemModel &model, int row, int keyRole)
{
    const QStandardItem *item = model.item(row);
    return item ? item->data(keyRole).toString() : QString();
}

} // namespace

int CategoryRowLookup::find(const QStandardItemModel &model, int keyRole, const std::string &key)
{
    if (m_rows != model.rowCount())
        rebuild(model, keyRole);
    const int remembered = m_rowByKey.find(key);
    if (remembered < 0)
        return confirmedMiss(model, keyRole, key);
    if (keyAt(model, remembered, keyRole) == m_keyOfRow[static_cast<std::size_t>(remembered)])
        return remembered;
    rebuild(model, keyRole);
    return m_rowByKey.find(key);
}

void CategoryRowLookup::appended(const std::string &key, const QString &keyText, int row)
{
    if (m_rows != row) {
        invalidate();
        return;
    }
    m_rowByKey.put(key, row);
    m_keyOfRow.push_back(keyText);
    ++m_rows;
}

void CategoryRowLookup::rebuild(const QStandardItemModel &model, int keyRole)
{
    m_rows = model.rowCount();
    m_rowByKey.clear();
    m_keyOfRow.clear();
    for (int row = 0; row < m_rows; ++row) {
        m_keyOfRow.push_back(keyAt(model, row, keyRole));
        m_rowByKey.put(m_keyOfRow.back().toStdString(), row);
    }
}

// A row renamed to the key without a signal is found here, from the last row up.
int CategoryRowLookup::confirmedMiss(const QStandardItemModel &model, int keyRole, const std::string &key)
{
    const QString text = QString::fromStdString(key);
    for (int row = m_rows - 1; row >= 0; --row) {
        if (keyAt(model, row, keyRole) == text) {
            invalidate();
            return row;
        }
    }
    return -1;
}

} // namespace Velmaris
