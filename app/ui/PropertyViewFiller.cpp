#include "app/ui/PropertyViewFiller.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/property/BaseProperty.h>

#include <QCoreApplication>
#include <QStandardItem>

#include <algorithm>
#include <utility>

namespace VelmarisEditor {

namespace {

// Stored prices carry this unit and are shown in the chosen currency at its rate.
const std::string s_priceUnit = "usd";

// A view laying out a large object asks every row whether it has children, unless told.
QStandardItem *propertyItem()
{
    auto *item = new QStandardItem;
    item->setFlags(item->flags() | Qt::ItemNeverHasChildren);
    return item;
}

} // namespace

PropertyViewFiller::PropertyViewFiller(Velmaris::ProcPlanBaseQItemModel &model)
    : m_model(&model)
{
}

PropertyViewFiller::Rows PropertyViewFiller::setModel(Velmaris::ProcPlanBaseQItemModel &model)
{
    m_model = &model;
    return std::exchange(m_rows, {});
}

void PropertyViewFiller::setPlan(PlanDocument *plan)
{
    m_plan = plan;
    m_rows = {};
}

void PropertyViewFiller::resetColumns(Velmaris::ProcPlanBaseQItemModel &model)
{
    model.removeRows(0, model.rowCount());
    model.setColumnCount(2);
    model.setHorizontalHeaderLabels({QCoreApplication::translate("PropertyViewFiller", "Property"),
                                     QCoreApplication::translate("PropertyViewFiller", "Value")});
}

std::pair<int, int> PropertyViewFiller::appendRow(Velmaris::ProcPlanBaseQItemModel &model,
                                                  CCAPIAccess::ProcessLayoutController *controller,
                                                  const PropertyContainer &container)
{
    const QModelIndex category = model.categoryIndex(controller, container);
    QStandardItem *categoryItem = model.itemFromIndex(category);
    categoryItem->appendRow({propertyItem(), propertyItem()});
    return {category.row(), categoryItem->rowCount() - 1};
}

bool PropertyViewFiller::Rows::forgetSome(std::size_t count)
{
    chosen.resize(chosen.size() - std::min(count, chosen.size()));
    for (; count > 0 && !places.empty(); --count)
        places.erase(places.begin());
    if (places.empty())
        prices = {};
    return chosen.empty() && places.empty();
}

void PropertyViewFiller::fill(const PlanObject &object)
{
    begin(object);
    fillSome(chosenRows());
}

void PropertyViewFiller::begin(const PlanObject &object)
{
    m_rows = {};
    resetColumns(*m_model);
    m_rows.object = &object;
    m_rows.chosen = Velmaris::ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(object.properties(), false);
    m_rows.places.reserve(m_rows.chosen.size());
}

bool PropertyViewFiller::fillSome(std::size_t rows)
{
    const std::size_t end = std::min(m_rows.chosen.size(), m_rows.next + rows);
    for (; m_rows.next < end; ++m_rows.next) {
        const PropertyContainer &container = m_rows.chosen[m_rows.next];
        CCAPIBaseCommon::BaseProperty *property = container->getProperty();
        if (!property)
            continue;
        const auto [categoryRow, row] = appendRow(*m_model, &m_plan->controller, container);
        m_rows.places[property->getLabelKey()->getStringKey()] = {categoryRow, row};
        if (property->getUnit() == s_priceUnit)
            m_rows.prices.push_back({m_rows.next, categoryRow, row});
        const QModelIndex category = m_model->index(categoryRow, 0);
        fillRow(*m_rows.object, container, m_model->index(row, labelColumn, category),
                m_model->index(row, valueColumn, category));
    }
    return m_rows.next == m_rows.chosen.size();
}

bool PropertyViewFiller::refresh(const PlanObject &object, const std::string &key)
{
    const QModelIndex value = valueCell(key);
    const PropertyContainer *container = object.container(key);
    if (!value.isValid() || !container)
        return false;
    fillRow(object, *container, value.siblingAtColumn(labelColumn), value);
    return true;
}

void PropertyViewFiller::refreshPrices(std::size_t first, std::size_t count)
{
    const std::size_t end = std::min(m_rows.prices.size(), first + count);
    for (std::size_t i = first; i < end; ++i) {
        const PriceRow &price = m_rows.prices[i];
        fillValue(*m_rows.object, m_rows.chosen[price.chosen],
                  m_model->index(price.row, valueColumn, m_model->index(price.categoryRow, 0)));
    }
}

QModelIndex PropertyViewFiller::valueCell(const std::string &key) const
{
    const auto found = m_rows.places.find(key);
    if (found == m_rows.places.end())
        return {};
    const QModelIndex cell = m_model->index(found->second.second, valueColumn, m_model->index(found->second.first, 0));
    return cell.isValid() && m_model->getPropertyKeyAtIndex(cell) == key ? cell : QModelIndex();
}

void PropertyViewFiller::fillRow(const PlanObject &object, const PropertyContainer &container,
                                 const QModelIndex &labelCell, const QModelIndex &valueCell)
{
    CCAPIBaseCommon::BaseProperty *property = container->getProperty();
    // Labels of properties the user changed are marked, so edits stand out in long lists;
    // the model only ever sets the mark, so the host clears it first.
    m_model->setDataQuietly(labelCell, QVariant(), Velmaris::MarkedLabelRole);
    m_model->generateLabelQitem(&m_plan->labels, property->getLabelKey(), labelCell, property->isModified());
    fillValue(object, container, valueCell);
}

void PropertyViewFiller::fillValue(const PlanObject &object, const PropertyContainer &container,
                                   const QModelIndex &valueCell)
{
    const std::string &key = container->getProperty()->getLabelKey()->getStringKey();
    CCAPIBaseCommon::BaseProperty *reference = m_reference ? m_reference->property(object.id, key) : nullptr;
    m_model->updatePropertyValueAt(&m_plan->labels, container, reference, valueCell, 0, false);
}

} // namespace VelmarisEditor
