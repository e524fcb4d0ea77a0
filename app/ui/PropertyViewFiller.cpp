#include "app/ui/PropertyViewFiller.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/property/BaseProperty.h>

#include <QCoreApplication>
#include <QStandardItem>

namespace VelmarisEditor {

namespace {

// Stored prices carry this unit and are shown in the chosen currency at its rate.
const std::string s_priceUnit = "usd";

} // namespace

PropertyViewFiller::PropertyViewFiller(Velmaris::ProcPlanBaseQItemModel &model)
    : m_model(model)
{
}

void PropertyViewFiller::setPlan(PlanDocument *plan)
{
    m_plan = plan;
    m_rows.clear();
}

void PropertyViewFiller::clear()
{
    m_rows.clear();
    m_model.removeRows(0, m_model.rowCount());
}

void PropertyViewFiller::fill(const PlanObject &object)
{
    clear();
    m_model.setColumnCount(2);
    m_model.setHorizontalHeaderLabels({QCoreApplication::translate("PropertyViewFiller", "Property"),
                                       QCoreApplication::translate("PropertyViewFiller", "Value")});
    const auto visible = Velmaris::ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(object.properties(), false);
    m_rows.reserve(visible.size());
    for (const auto &container : visible) {
        CCAPIBaseCommon::BaseProperty *property = container->getProperty();
        if (!property)
            continue;
        const QModelIndex category = m_model.categoryIndex(&m_plan->controller, container);
        QStandardItem *categoryItem = m_model.itemFromIndex(category);
        categoryItem->appendRow({new QStandardItem, new QStandardItem});
        const int row = categoryItem->rowCount() - 1;
        m_rows[property->getLabelKey()->getStringKey()] = {category.row(), row};
        fillRow(object, container, m_model.index(row, labelColumn, category), m_model.index(row, valueColumn, category));
    }
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

void PropertyViewFiller::refreshPrices(const PlanObject &object)
{
    for (const PropertyContainer &container : object.properties()) {
        const CCAPIBaseCommon::BaseProperty *property = container->getProperty();
        if (property && property->getUnit() == s_priceUnit)
            refresh(object, property->getLabelKey()->getStringKey());
    }
}

QModelIndex PropertyViewFiller::valueCell(const std::string &key) const
{
    const auto found = m_rows.find(key);
    if (found == m_rows.end())
        return {};
    const QModelIndex cell = m_model.index(found->second.second, valueColumn, m_model.index(found->second.first, 0));
    return cell.isValid() && m_model.getPropertyKeyAtIndex(cell) == key ? cell : QModelIndex();
}

void PropertyViewFiller::fillRow(const PlanObject &object, const PropertyContainer &container,
                                 const QModelIndex &labelCell, const QModelIndex &valueCell)
{
    CCAPIBaseCommon::BaseProperty *property = container->getProperty();
    const std::string &key = property->getLabelKey()->getStringKey();
    CCAPIBaseCommon::BaseProperty *reference = m_reference ? m_reference->property(object.id, key) : nullptr;
    // Labels of properties the user changed are marked, so edits stand out in long lists;
    // the model only ever sets the mark, so the host clears it first.
    m_model.setDataQuietly(labelCell, QVariant(), Velmaris::MarkedLabelRole);
    m_model.generateLabelQitem(&m_plan->labels, property->getLabelKey(), labelCell, property->isModified());
    m_model.updatePropertyValueAt(&m_plan->labels, container, reference, valueCell, 0, false);
}

} // namespace VelmarisEditor
