#include <velmaris/widgets/AttentionReason.h>

#include <velmaris/widgets/NumberText.h>

#include <velmaris/model/ItemDataRoles.h>

#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

namespace Velmaris {

QString AttentionReason::of(const QModelIndex &cell, const QLocale &locale)
{
    const QVariant value = cell.data(Qt::EditRole);
    // A cell without a value holds the empty string, whatever its kind.
    if (value.userType() == QMetaType::QString && value.toString().isEmpty())
        return tr("No value");
    if (!cell.data(NumericEditorRole).toBool())
        return tr("Not one of the allowed values");
    const auto settings = cell.data(SpinBoxDataRole).value<VLDoubleSpinBoxData>();
    const QString range = rangeText(settings.minimum, settings.maximum, settings.decimals, locale);
    const double number = value.toDouble();
    if (number < settings.minimum || number > settings.maximum)
        return tr("Outside %1").arg(range);
    return tr("Clipped to the range %1").arg(range);
}

} // namespace Velmaris
