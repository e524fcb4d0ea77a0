#include <velmaris/widgets/PropertyCellText.h>

#include <velmaris/widgets/CellData.h>
#include <velmaris/widgets/NumberText.h>

#include <velmaris/host/widgets/VLItemDelegate.h>

namespace Velmaris {

QString PropertyCellText::valueToString(const QModelIndex &cell, const QLocale &locale)
{
    const QVariant value = cell.data(Qt::EditRole);
    if (has(cell, NumericEditorRole)) {
        if (!hasValue(value))
            return {};
        const auto settings = spinBoxSettings(cell);
        const QString number = numberText(value.toDouble(), settings.decimals, locale);
        return settings.suffix.isEmpty() ? number : number + QLatin1Char(' ') + settings.suffix;
    }
    if (has(cell, BooleanEditorRole))
        return value.userType() == QMetaType::Bool ? VLItemDelegate::text(value.toBool()) : QString();
    return cell.data(Qt::DisplayRole).toString();
}

QString PropertyCellText::labelledValue(const QModelIndex &cell, const QLocale &locale)
{
    const QString label = labelOf(cell).data(Qt::DisplayRole).toString();
    const QString value = valueToString(cell, locale);
    return value.isEmpty() ? label : tr("%1: %2").arg(label, value);
}

QString PropertyCellText::attentionReason(const QModelIndex &cell, const QLocale &locale)
{
    if (!(flagsOf(cell) & AttentionFlag))
        return {};
    // A cell of several objects shows none of their values, so it cannot tell which is at fault.
    if (has(cell, MixedValueRole))
        return tr("In some of the objects");
    const QVariant value = cell.data(Qt::EditRole);
    if (!hasValue(value))
        return tr("No value");
    if (!has(cell, NumericEditorRole))
        return tr("Not one of the allowed values");
    const auto settings = spinBoxSettings(cell);
    const QString range = rangeText(settings.minimum, settings.maximum, settings.decimals, locale);
    const double number = value.toDouble();
    if (number < settings.minimum || number > settings.maximum)
        return tr("Outside %1").arg(range);
    return tr("Clipped to the range %1").arg(range);
}

QStringList PropertyCellText::marks(const QModelIndex &cell, const QLocale &locale, const QModelIndex &referenceCell)
{
    const int flags = flagsOf(cell);
    QStringList words;
    if (has(cell, MixedValueRole))
        words << tr("multiple values");
    if (flags & ChangedFlag)
        words << tr("changed");
    if (flags & AttentionFlag)
        words << tr("needs attention: %1").arg(attentionReason(cell, locale));
    if (flags & ReferenceMismatchFlag) {
        words << (referenceCell.isValid()
                      ? tr("differs from the reference plan, which has %1").arg(valueToString(referenceCell, locale))
                      : tr("differs from the reference plan (%1)").arg(cell.data(Qt::ToolTipRole).toString()));
    }
    if (has(cell, ReadOnlyRole))
        words << tr("read-only");
    return words;
}

QStringList PropertyCellText::states(const QModelIndex &cell, const QLocale &locale)
{
    QStringList words = marks(cell, locale);
    if (!(flagsOf(cell) & ChangedFlag))
        words.prepend(tr("automatic"));
    return words;
}

} // namespace Velmaris
