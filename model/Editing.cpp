#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/model/EnteredValue.h>

#include <velmaris/host/widgets/StyleHelpers.h>

namespace Velmaris {

bool ProcPlanBaseQItemModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const QVariant old = data(index, role);
    QVariant toStore = value;
    if (value.userType() == QMetaType::QString)
        toStore = QVariant(clearStringIfContainsSpacesExclusively(value.toString()));
    const bool stored = QStandardItemModel::setData(index, toStore, role);
    if (role == Qt::EditRole && !enteredEqualsOld(toStore, old))
        Q_EMIT sigPropGotModified(index);
    return stored;
}

bool ProcPlanBaseQItemModel::setDataQuietly(const QModelIndex &index, const QVariant &value, int role)
{
    return QStandardItemModel::setData(index, value, role);
}

void ProcPlanBaseQItemModel::setSpinbBoxRole(const QModelIndex &index, int expressionWidth)
{
    constexpr int wideExpressionPixels = 90;
    QStandardItemModel::setData(index, expressionWidth >= wideExpressionPixels, WideExpressionRole);
}

} // namespace Velmaris
