#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/ProcPlanBaseQItemModel_p.h>

#include <velmaris/model/CellChangeBatch.h>

#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/access/ProcessLayoutController.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/BaseProperty.h>

#include <QStandardItem>

namespace Velmaris {

QModelIndex ProcPlanBaseQItemModel::categoryIndex(const std::string &categoryKey,
                                                  const std::string &categoryLabel)
{
    const int found = d->categoryRows.find(*this, s_tsKeyRole, categoryKey);
    if (found >= 0)
        return index(found, 0);

    d->appendingCategory = true;
    QStandardItem *item = d->categoryRows.newCategoryItem();
    invisibleRootItem()->appendRow(item);
    const QModelIndex created = index(rowCount() - 1, 0);
    const QString keyText = QString::fromStdString(categoryKey);
    QStandardItemModel::setData(created, keyText, s_tsKeyRole);
    QStandardItemModel::setData(created, true, ReadOnlyRole);
    QStandardItemModel::setData(created, QString::fromStdString(categoryLabel), Qt::EditRole);
    d->appendingCategory = false;
    d->categoryRows.appended(categoryKey, keyText, item, created.row());
    return created;
}

QModelIndex ProcPlanBaseQItemModel::categoryIndex(CCAPIAccess::ProcessLayoutController *controller,
                                                  std::shared_ptr<PropertySignalContainer> container)
{
    const std::string &key = container->getProperty()->getLabelKey()->getCategoryKey();
    // The label matters only to a new row: an existing one is found without looking it up.
    const int found = d->categoryRows.find(*this, s_tsKeyRole, key);
    if (found >= 0)
        return index(found, 0);
    std::string label = controller->getDatabaseControl()->getLabel(key);
    if (label.empty())
        label = "Unnamed Category";
    return categoryIndex(key, label);
}

bool ProcPlanBaseQItemModel::setItemData(const QModelIndex &index, const QMap<int, QVariant> &roles)
{
    if (index.isValid() && !index.parent().isValid())
        d->categoryRows.invalidate();
    return QStandardItemModel::setItemData(index, roles);
}

void ProcPlanBaseQItemModel::generateLabelQitem(CCAPIAccess::DataBaseControl *dbControl,
                                                const CCAPIBaseCommon::LabelKey *labelKey,
                                                QModelIndex index, bool markLabel)
{
    const std::string label = dbControl->getLabel(labelKey);
    const QString labelText = QString::fromStdString(label);
    CellChangeBatch writes(*this, index, d->roleLists);
    writes.write(labelText, Qt::DisplayRole);
    writes.write(true, ReadOnlyRole);
    writes.write(d->keyTexts.textOf(labelKey->getStringKey()), s_tsKeyRole);
    if (markLabel)
        writes.write(true, MarkedLabelRole);

    constexpr std::size_t longLabelBytes = 30;
    if (!labelKey->isEditable())
        writes.write(labelText + tr(" not editable"), Qt::ToolTipRole);
    else if (label.size() > longLabelBytes)
        writes.write(labelText, Qt::ToolTipRole);
}

} // namespace Velmaris
