#include <velmaris/model/CategoryRowLookup.h>

#include <QStandardItemModel>

#include <utility>

namespace Velmaris {

namespace {

// A category row's item that counts every change of its data, signals blocked or not: the
// model's setData, the item's own and a wholesale read (which ends by setting the flags) all
// pass through setData; replacing the item deletes it.
class CountingItem : public QStandardItem
{
public:
    explicit CountingItem(std::shared_ptr<std::size_t> changes) : m_changes(std::move(changes)) {}
    ~CountingItem() override { ++*m_changes; }

    void setData(const QVariant &value, int role) override
    {
        ++*m_changes;
        QStandardItem::setData(value, role);
    }
    bool countsInto(const std::shared_ptr<std::size_t> &changes) const { return m_changes == changes; }

private:
    std::shared_ptr<std::size_t> m_changes;
};

// A row without an item has no key, which reads as the empty text.
QString keyAt(const QStandardItem *item, int keyRole)
{
    return item ? item->data(keyRole).toString() : QString();
}

} // namespace

int CategoryRowLookup::find(const QStandardItemModel &model, int keyRole, const std::string &key)
{
    if (m_rows != model.rowCount() || *m_itemChanges != m_seenItemChanges)
        rebuild(model, keyRole);
    int remembered = m_rowByKey.find(key);
    if (remembered >= 0 && !stillHolds(model, remembered, keyRole)) {
        rebuild(model, keyRole);
        remembered = m_rowByKey.find(key);
    }
    const int hostRow = lastHostRowAfter(remembered, model, keyRole, key);
    if (hostRow >= 0)
        return hostRow;
    return remembered >= 0 ? remembered : confirmedMiss(model, keyRole, key);
}

bool CategoryRowLookup::stillHolds(const QStandardItemModel &model, int row, int keyRole) const
{
    const QStandardItem *item = model.item(row);
    // An item of ours counts its writes, so finding it in its place is enough: reading it
    // would cost the hot path a trip through the item's data.
    const Row &record = m_rowRecords[static_cast<std::size_t>(row)];
    return (item && item == record.ownItem) || keyAt(item, keyRole) == record.key;
}

QStandardItem *CategoryRowLookup::newCategoryItem() const
{
    return new CountingItem(m_itemChanges);
}

void CategoryRowLookup::appended(const std::string &key, const QString &keyText, const QStandardItem *item, int row)
{
    if (m_rows != row) {
        invalidate();
        return;
    }
    m_rowByKey.put(key, row);
    m_rowRecords.push_back({item, keyText});
    ++m_rows;
    m_seenItemChanges = *m_itemChanges; // the writes that made the row
}

void CategoryRowLookup::rebuild(const QStandardItemModel &model, int keyRole)
{
    m_rows = model.rowCount();
    m_seenItemChanges = *m_itemChanges;
    m_rowByKey.clear();
    m_rowRecords.clear();
    m_hostRows.clear();
    for (int row = 0; row < m_rows; ++row) {
        const QStandardItem *item = model.item(row);
        const auto *own = dynamic_cast<const CountingItem *>(item);
        const bool ours = own && own->countsInto(m_itemChanges);
        m_rowRecords.push_back({ours ? item : nullptr, keyAt(item, keyRole)});
        if (!ours)
            m_hostRows.push_back(row);
        m_rowByKey.put(m_rowRecords.back().key.toStdString(), row);
    }
}

// A host's own row may have taken the key, unseen, after the remembered row.
int CategoryRowLookup::lastHostRowAfter(int row, const QStandardItemModel &model, int keyRole,
                                        const std::string &key) const
{
    if (m_hostRows.empty() || m_hostRows.back() <= row)
        return -1;
    const QString text = QString::fromStdString(key);
    for (auto it = m_hostRows.rbegin(); it != m_hostRows.rend() && *it > row; ++it) {
        if (keyAt(model.item(*it), keyRole) == text)
            return *it;
    }
    return -1;
}

// A row renamed to the key without a signal is found here, from the last row up.
int CategoryRowLookup::confirmedMiss(const QStandardItemModel &model, int keyRole, const std::string &key)
{
    const QString text = QString::fromStdString(key);
    for (int row = m_rows - 1; row >= 0; --row) {
        if (keyAt(model.item(row), keyRole) == text) {
            invalidate();
            return row;
        }
    }
    return -1;
}

} // namespace Velmaris
