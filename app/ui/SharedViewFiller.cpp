#include "app/ui/SharedViewFiller.h"

#include "app/ui/PropertyViewFiller.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/BaseProperty.h>

#include <QCoreApplication>
#include <QStandardItem>

#include <algorithm>

namespace VelmarisEditor {

using Velmaris::ProcPlanBaseQItemModel;
using Velmaris::SharedProperty;

void SharedViewFiller::clear()
{
    m_objectIds.clear();
    m_shared.clear();
    m_places.clear();
}

void SharedViewFiller::fill(ProcPlanBaseQItemModel &model, const std::vector<const PlanObject *> &objects)
{
    clear();
    model.removeRows(0, model.rowCount());
    model.setColumnCount(2);
    model.setHorizontalHeaderLabels({QCoreApplication::translate("PropertyViewFiller", "Property"),
                                     QCoreApplication::translate("PropertyViewFiller", "Value")});
    std::vector<Velmaris::ObjectProperties> selection;
    selection.reserve(objects.size());
    for (const PlanObject *object : objects) {
        m_objectIds.push_back(object->id);
        selection.push_back({object->object, object->properties()});
    }
    m_shared = Velmaris::sharedProperties(selection, false);
    m_places.reserve(m_shared.size());
    for (std::size_t i = 0; i < m_shared.size(); ++i) {
        const QModelIndex category = model.categoryIndex(&m_plan->controller, m_shared[i].members.front().container);
        QStandardItem *categoryItem = model.itemFromIndex(category);
        categoryItem->appendRow({new QStandardItem, new QStandardItem});
        const int row = categoryItem->rowCount() - 1;
        m_places[m_shared[i].key] = {i, category.row(), row};
        fillRow(model, m_shared[i], model.index(row, PropertyViewFiller::valueColumn, category));
    }
}

const SharedProperty *SharedViewFiller::property(const std::string &key) const
{
    const auto found = m_places.find(key);
    return found == m_places.end() ? nullptr : &m_shared[found->second.shared];
}

QModelIndex SharedViewFiller::valueCell(const ProcPlanBaseQItemModel &model, const std::string &key) const
{
    const auto found = m_places.find(key);
    if (found == m_places.end())
        return {};
    return model.index(found->second.row, PropertyViewFiller::valueColumn, model.index(found->second.categoryRow, 0));
}

bool SharedViewFiller::refresh(ProcPlanBaseQItemModel &model, const std::string &key)
{
    const SharedProperty *shared = property(key);
    if (!shared)
        return false;
    fillRow(model, *shared, valueCell(model, key));
    return true;
}

void SharedViewFiller::refreshAll(ProcPlanBaseQItemModel &model)
{
    for (const SharedProperty &shared : m_shared)
        fillRow(model, shared, valueCell(model, shared.key));
}

void SharedViewFiller::fillRow(ProcPlanBaseQItemModel &model, const SharedProperty &property, const QModelIndex &valueCell)
{
    std::vector<CCAPIBaseCommon::BaseProperty *> references;
    references.reserve(property.members.size());
    bool modified = false;
    for (std::size_t i = 0; i < property.members.size(); ++i) {
        const CCAPIBaseCommon::BaseProperty *own = property.members[i].container->getProperty();
        modified = modified || own->isModified();
        references.push_back(m_reference ? m_reference->property(m_objectIds[i], property.key) : nullptr);
    }
    const QModelIndex labelCell = valueCell.siblingAtColumn(PropertyViewFiller::labelColumn);
    // As for one object: the label is marked when the user changed the property in any of them.
    model.setDataQuietly(labelCell, QVariant(), Velmaris::MarkedLabelRole);
    model.generateLabelQitem(&m_plan->labels, property.members.front().container->getProperty()->getLabelKey(),
                             labelCell, modified);
    model.updateSharedPropertyValueAt(&m_plan->labels, property, references, valueCell, false);
}

} // namespace VelmarisEditor
