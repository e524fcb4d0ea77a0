#include "bench/PeerView.h"

#include <KProperty>
#include <KPropertyListData>

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

KProperty *peerProperty(const MixEntry &entry)
{
    const QByteArray name = QByteArray::fromStdString(entry.key);
    const QString caption = QString::fromStdString(entry.label);
    KProperty *property = nullptr;
    switch (entry.kind) {
    case MixEntry::Kind::Integer:
        property = new KProperty(name, static_cast<int>(entry.number), caption, QString(), KProperty::Int);
        property->setOption("min", static_cast<int>(entry.minimum));
        property->setOption("max", static_cast<int>(entry.maximum));
        break;
    case MixEntry::Kind::Double:
    case MixEntry::Kind::Price:
        property = new KProperty(name, entry.number, caption, QString(), KProperty::Double);
        property->setOption("min", entry.minimum);
        property->setOption("max", entry.maximum);
        property->setOption("precision", 2);
        break;
    case MixEntry::Kind::Choice: {
        QStringList keys;
        QStringList names;
        for (const std::string &key : entry.choiceKeys) {
            keys << QString::fromStdString(key);
            names << QString::fromStdString(labelOfKey(key));
        }
        const QString current = keys.at(entry.choice);
        return new KProperty(name, new KPropertyListData(keys, names), QVariant(current), caption);
    }
    case MixEntry::Kind::Text:
        return new KProperty(name, QString::fromStdString(entry.text), caption, QString(), KProperty::String);
    case MixEntry::Kind::Boolean:
        return new KProperty(name, entry.flag, caption, QString(), KProperty::Bool);
    }
    if (!entry.unit.empty())
        property->setOption("suffix", QString::fromStdString(" " + entry.unit));
    return property;
}

// The value cell of the property with this caption.
QModelIndex valueCellOf(const QAbstractItemModel &model, const QString &caption)
{
    for (int group = 0; group < model.rowCount(); ++group) {
        const QModelIndex parent = model.index(group, 0);
        for (int row = 0; row < model.rowCount(parent); ++row) {
            if (model.index(row, 0, parent).data().toString() == caption)
                return model.index(row, 1, parent);
        }
    }
    return {};
}

} // namespace

PeerView::PeerView()
{
    view.resize(900, 700);
    view.show();
    QApplication::processEvents();
}

PeerView::~PeerView()
{
    view.changeSet(nullptr);
}

void PeerView::fill(const std::vector<MixEntry> &entries)
{
    set = std::make_unique<KPropertySet>();
    for (const MixEntry &entry : entries) {
        const QByteArray group = QByteArray::fromStdString(entry.categoryKey);
        if (!set->groupNames().contains(group))
            set->setGroupCaption(group, QString::fromStdString(labelOfKey(entry.categoryKey)));
        set->addProperty(peerProperty(entry), group);
    }
    view.changeSet(set.get());
    QApplication::processEvents();
}

std::vector<MixEntry> mixEntries(int n)
{
    std::vector<MixEntry> entries;
    const int generation = nextGeneration();
    for (int i = 0; i < n; ++i)
        entries.push_back(mixEntry(i, generation));
    return entries;
}

PeerEditedRow::PeerEditedRow(int n)
{
    const std::vector<MixEntry> entries = mixEntries(n);
    const MixEntry &edited = entries[static_cast<std::size_t>(n / 40 * 20 + 4)];
    m_peer.fill(entries);
    m_name = QByteArray::fromStdString(edited.key);
    m_cell = valueCellOf(*m_peer.view.model(), QString::fromStdString(edited.label));
    m_peer.view.scrollTo(m_cell, QAbstractItemView::PositionAtCenter);
    QApplication::processEvents();
    edit();
    if (m_peer.set->property(m_name).value().toDouble() != m_value) {
        std::fprintf(stderr, "PeerEditedRow: an edit did not reach the property\n");
        std::abort();
    }
}

void PeerEditedRow::edit()
{
    m_value = m_value > 90.0 ? 1.0 : m_value + 1.0;
    m_peer.view.model()->setData(m_cell, m_value, Qt::EditRole);
    const QModelIndex cell = m_cell;
    m_peer.view.viewport()->update(m_peer.view.visualRect(cell).united(m_peer.view.visualRect(cell.siblingAtColumn(0))));
    QApplication::processEvents();
}
