#include "app/ui/ObjectListModel.h"

#include "app/plan/PlanDocument.h"

namespace VelmarisEditor {

void ObjectListModel::setPlan(const PlanDocument *plan)
{
    beginResetModel();
    m_plan = plan;
    endResetModel();
}

int ObjectListModel::rowCount(const QModelIndex &parent) const
{
    return m_plan && !parent.isValid() ? static_cast<int>(m_plan->objects().size()) : 0;
}

QVariant ObjectListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const PlanObject &object = m_plan->objects()[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_plan->labels.getLabel(object.owner.get()));
    case Qt::ToolTipRole:
        return tr("%1, id %2").arg(QString::fromStdString(object.kind)).arg(object.id);
    case idRole:
        return object.id;
    default:
        return {};
    }
}

} // namespace VelmarisEditor
