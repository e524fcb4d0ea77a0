#include "app/ui/PropertyFilterModel.h"

#include "app/ui/PropertyViewFiller.h"

namespace VelmarisEditor {

PropertyFilterModel::PropertyFilterModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setRecursiveFilteringEnabled(true);
}

void PropertyFilterModel::setLabelFilter(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    invalidate();
}

bool PropertyFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_text.isEmpty())
        return true;
    // A category shows when one of its properties does, and only then.
    if (!sourceParent.isValid())
        return false;
    const QModelIndex label = sourceModel()->index(sourceRow, PropertyViewFiller::labelColumn, sourceParent);
    return label.data().toString().contains(m_text, Qt::CaseInsensitive);
}

} // namespace VelmarisEditor
