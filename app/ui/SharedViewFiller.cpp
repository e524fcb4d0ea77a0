#include "app/ui/SharedViewFiller.h"

#include "app/ui/PropertyViewFiller.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/BaseProperty.h>


#include <algorithm>
#include <limits>

namespace VelmarisEditor {

using Velmaris::ProcPlanBaseQItemModel;
using Velmaris::SharedProperty;

void SharedViewFiller::clear()
{
    m_objectIds.clear();
    m_shared.clear();
    m_places.clear();
    m_next = 0;
}

void SharedViewFiller::fill(ProcPlanBaseQItemModel &model, const std::vector<const PlanObject *> &objects)
{
    prepare(objects);
    begin(model);
    fillSome(model, std::numeric_limits<std::size_t>::max());
}

void SharedViewFiller::prepare(const std::vector<const PlanObject *> &objects)
{
    clear();
    std::vector<Velmaris::ObjectProperties> selection;
    selection.reserve(objects.size());
    for (const PlanObject *object : objects) {
        m_objectIds.push_back(object->id);
        selection.push_back({object->object, object->properties()});
    }
    m_shared = Velmaris::sharedProperties(selection, false);
    m_places.reserve(m_shared.size());
}

void SharedViewFiller::begin(ProcPlanBaseQItemModel &model)
{
    PropertyViewFiller::resetColumns(model);
    m_places.clear();
    m_next = 0;
}

bool SharedViewFiller::fillSome(ProcPlanBaseQItemModel &model, std::size_t cells)
{
    for (std::size_t filled = 0; m_next < m_shared.size() && filled < cells; ++m_next) {
        const SharedProperty &shared = m_shared[m_next];
        const auto [categoryRow, row] =
            PropertyViewFiller::appendRow(model, &m_plan->controller, shared.members.front().container);
        m_places[shared.key] = {m_next, categoryRow, row};
        fillRow(model, shared, valueCell(model, shared.key));
        filled += shared.members.size();
    }
    return m_next == m_shared.size();
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
    for (const auto &[key, place] : m_places)
        fillRow(model, m_shared[place.shared], valueCell(model, key));
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
