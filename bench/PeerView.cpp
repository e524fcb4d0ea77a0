#include "bench/PeerView.h"

#include <KProperty>
#include <KPropertyListData>

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

KProperty *peerProperty(const PropertySpec &spec)
{
    const QByteArray name = QByteArray::fromStdString(spec.key);
    const QString caption = QString::fromStdString(spec.label);
    KProperty *property = nullptr;
    switch (spec.kind) {
    case PropertySpec::Kind::Integer:
        property = new KProperty(name, static_cast<int>(spec.number), caption, QString(), KProperty::Int);
        property->setOption("min", static_cast<int>(spec.minimum));
        property->setOption("max", static_cast<int>(spec.maximum));
        break;
    case PropertySpec::Kind::Double:
    case PropertySpec::Kind::Price:
        property = new KProperty(name, spec.number, caption, QString(), KProperty::Double);
        property->setOption("min", spec.minimum);
        property->setOption("max", spec.maximum);
        property->setOption("precision", 2);
        break;
    case PropertySpec::Kind::Choice: {
        QStringList keys;
        QStringList names;
        for (const std::string &key : spec.choiceKeys) {
            keys << QString::fromStdString(key);
            names << QString::fromStdString(labelOfKey(key));
        }
        const QString current = keys.at(spec.choice);
        return new KProperty(name, new KPropertyListData(keys, names), QVariant(current), caption);
    }
    case PropertySpec::Kind::Text:
        return new KProperty(name, QString::fromStdString(spec.text), caption, QString(), KProperty::String);
    case PropertySpec::Kind::Boolean:
        return new KProperty(name, spec.flag, caption, QString(), KProperty::Bool);
    }
    if (!spec.unit.empty())
        property->setOption("suffix", QString::fromStdString(" " + spec.unit));
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

void PeerView::fill(const std::vector<PropertySpec> &specs)
{
    set = std::make_unique<KPropertySet>();
    for (const PropertySpec &spec : specs) {
        const QByteArray group = QByteArray::fromStdString(spec.categoryKey);
        if (!set->groupNames().contains(group))
            set->setGroupCaption(group, QString::fromStdString(labelOfKey(spec.categoryKey)));
        set->addProperty(peerProperty(spec), group);
    }
    view.changeSet(set.get());
    QApplication::processEvents();
}

std::vector<PropertySpec> propertySpecs(int n)
{
    std::vector<PropertySpec> specs;
    const int generation = nextGeneration();
    for (int i = 0; i < n; ++i)
        specs.push_back(propertySpec(i, generation));
    return specs;
}

PeerEditedRow::PeerEditedRow(int n)
{
    const std::vector<PropertySpec> specs = propertySpecs(n);
    const PropertySpec &edited = specs[static_cast<std::size_t>(n / 40 * 20 + 4)];
    m_peer.fill(specs);
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
