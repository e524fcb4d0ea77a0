#include "app/ui/PropertyViewFiller.h"

#include "app/plan/PlanDocument.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/PropertyRowWalk.h>

#include <velmaris/host/property/BaseProperty.h>

#include <QCoreApplication>
#include <QStandardItem>

namespace VelmarisEditor {

PropertyViewFiller::PropertyViewFiller(Velmaris::ProcPlanBaseQItemModel &model, PlanDocument &plan)
    : m_model(model)
    , m_plan(plan)
{
}

void PropertyViewFiller::fill(const PlanObject &object)
{
    m_model.removeRows(0, m_model.rowCount());
    m_model.setColumnCount(2);
    m_model.setHorizontalHeaderLabels({QCoreApplication::translate("PropertyViewFiller", "Property"),
                                       QCoreApplication::translate("PropertyViewFiller", "Value")});
    const auto visible = Velmaris::ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(object.properties, false);
    for (const auto &container : visible) {
        CCAPIBaseCommon::BaseProperty *property = container->getProperty();
        if (!property)
            continue;
        const QModelIndex category = m_model.categoryIndex(&m_plan.controller, container);
        QStandardItem *categoryItem = m_model.itemFromIndex(category);
        categoryItem->appendRow({new QStandardItem, new QStandardItem});
        const int row = categoryItem->rowCount() - 1;
        fillRow(object, m_model.index(row, labelColumn, category), m_model.index(row, valueColumn, category),
                property->getLabelKey()->getStringKey());
    }
}

bool PropertyViewFiller::refresh(const PlanObject &object, const std::string &key)
{
    const QModelIndex value = valueCell(key);
    if (!value.isValid())
        return false;
    fillRow(object, value.siblingAtColumn(labelColumn), value, key);
    return true;
}

QModelIndex PropertyViewFiller::valueCell(const std::string &key) const
{
    QModelIndex found;
    Velmaris::forEachPropertyRow(m_model, [this, &key, &found](const QModelIndex &row) {
        const QModelIndex value = row.siblingAtColumn(valueColumn);
        if (!found.isValid() && m_model.getPropertyKeyAtIndex(value) == key)
            found = value;
    });
    return found;
}

void PropertyViewFiller::fillRow(const PlanObject &object, const QModelIndex &labelCell,
                                 const QModelIndex &valueCell, const std::string &key)
{
    for (const auto &container : object.properties) {
        CCAPIBaseCommon::BaseProperty *property = container->getProperty();
        if (!property || property->getLabelKey()->getStringKey() != key)
            continue;
        CCAPIBaseCommon::BaseProperty *reference = m_reference ? m_reference->property(object.id, key) : nullptr;
        // Labels of properties the user changed are marked, so edits stand out in long lists;
        // the model only ever sets the mark, so the host clears it first.
        m_model.setDataQuietly(labelCell, QVariant(), Velmaris::MarkedLabelRole);
        m_model.generateLabelQitem(&m_plan.labels, property->getLabelKey(), labelCell, property->isModified());
        m_model.updatePropertyValueAt(&m_plan.labels, container, reference, valueCell, 0, false);
        return;
    }
}

} // namespace VelmarisEditor
