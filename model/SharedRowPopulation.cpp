#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/ProcPlanBaseQItemModel_p.h>

#include <velmaris/model/CachedCast.h>
#include <velmaris/model/CellChangeBatch.h>
#include <velmaris/model/SameValue.h>
#include <velmaris/model/SharedProperties.h>
#include <velmaris/model/StoredNumber.h>
#include <velmaris/model/ValueCellMarks.h>
#include <velmaris/number/PropertyNumberConcept.h>

#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/comparison/ProcessPlanReferenceComparison.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/ScalarProperties.h>
#include <velmaris/host/translation/TranslatorWithRules.h>

#include <QStringList>

#include <algorithm>
#include <limits>

namespace Velmaris {

namespace {

using CCAPIBaseCommon::BaseProperty;

bool sameReference(const BaseProperty *a, const BaseProperty *b)
{
    if (!a || !b)
        return a == b;
    return a->getPropertyType() == b->getPropertyType() && SameValue(*a).in(*b);
}

// What the objects of a shared cell say together.
struct Together
{
    bool mixed = false;
    int flags = 0;
    bool readOnly = false;
    bool allMultiLine = true;
    // Numbers: the overlap of the ranges, as stored, and the objects whose bounds make it.
    double minimum = std::numeric_limits<double>::lowest();
    double maximum = std::numeric_limits<double>::max();
    std::size_t minimumOwner = 0;
    std::size_t maximumOwner = 0;
    // The first object that differs from its reference, and whether the others that differ
    // have another reference value.
    std::size_t firstMismatch = 0;
    bool anyMismatch = false;
    bool referencesDiffer = false;
};

} // namespace

void ProcPlanBaseQItemModel::updateSharedPropertyValueAt(CCAPIAccess::DataBaseControl *dbControl,
                                                         const SharedProperty &property,
                                                         const std::vector<BaseProperty *> &referenceProperties,
                                                         QModelIndex index, bool forceEditable)
{
    if (property.members.empty())
        return;
    const auto propertyAt = [&](std::size_t i) { return property.members[i].container->getProperty(); };
    const auto referenceAt = [&](std::size_t i) {
        return i < referenceProperties.size() ? referenceProperties[i] : nullptr;
    };
    BaseProperty *first = propertyAt(0);

    CellChangeBatch writes(*this, index, d->roleLists);
    const auto write = [&writes](const QVariant &value, int role) { writes.write(value, role); };
    write(d->keyTexts.textOf(property.key), TsKeyRole);
    // The cell stands for no one object.
    write(-1, ParentObjectIdRole);
    // The first object's cell, then what the others change in it.
    writeValueCell(writes, dbControl, first, referenceAt(0), index, nullptr, 0, forceEditable, false);

    const auto firstNumber = tryCreatePropertyNumber(first, m_exchangeRate.currency, m_exchangeRate.rate, false);
    const int typeCode = first->getPropertyType();
    const SameValue firstValue(*first);
    StoredNumberReader readNumber;
    CachedCast<CCAPIBaseCommon::CostProperty> asCost;
    CachedCast<CCAPIBaseCommon::CostPropertyEnum> asChoice;
    CachedCast<CCAPIBaseCommon::CostPropertyString> asText;
    Together together;
    for (std::size_t i = 0; i < property.members.size(); ++i) {
        BaseProperty &each = *propertyAt(i);
        // All of one kind: only casts that can succeed are tried.
        bool kindAttention = false;
        if (firstNumber) {
            if (const auto number = readNumber(each)) {
                kindAttention = number->minimum > number->value || number->value > number->maximum;
                if (number->minimum > together.minimum) {
                    together.minimum = number->minimum;
                    together.minimumOwner = i;
                }
                if (number->maximum < together.maximum) {
                    together.maximum = number->maximum;
                    together.maximumOwner = i;
                }
            }
        } else if (typeCode == CCAPIBaseCommon::EnumPropertyType) {
            const auto *choice = asChoice(each);
            kindAttention = choice && outsideAllowedValues(*choice);
        } else if (typeCode == CCAPIBaseCommon::StringPropertyType) {
            const auto *text = asText(each);
            together.allMultiLine = together.allMultiLine && text && text->isMultiLine();
        }
        const bool mismatch = m_referenceComparison
                              && !ProcessPlanReferenceComparison::isPropertyEqual(&each, referenceAt(i), nullptr);
        if (mismatch && !together.anyMismatch) {
            together.anyMismatch = true;
            together.firstMismatch = i;
        } else if (mismatch && !sameReference(referenceAt(together.firstMismatch), referenceAt(i))) {
            together.referencesDiffer = true;
        }
        together.flags |= valueStateFlags(each, nullptr, kindAttention, mismatch);
        together.readOnly = together.readOnly || readOnlyCell(asCost(each), forceEditable, false);
        together.mixed = together.mixed || !firstValue.in(each);
    }

    if (firstNumber) {
        // Shown as the objects that make the overlap show their own bounds.
        const auto shown = [&](std::size_t i) {
            return tryCreatePropertyNumber(propertyAt(i), m_exchangeRate.currency, m_exchangeRate.rate, false);
        };
        VLDoubleSpinBoxData spinBoxData = firstNumber->calculateSpinBoxData();
        spinBoxData.minimum = shown(together.minimumOwner)->min();
        spinBoxData.maximum = shown(together.maximumOwner)->max();
        write(d->spinBoxVariants.variantOf(spinBoxData), SpinBoxDataRole);
    } else if (typeCode == CCAPIBaseCommon::EnumPropertyType) {
        // The keys every object allows, whatever index each gives them.
        const CCAPIBaseCommon::TranslatorWithRules translator(dbControl);
        QStringList labels;
        labels.reserve(static_cast<int>(property.allowedValues.size()));
        for (const std::string &key : property.allowedValues)
            labels << QString::fromStdString(translator.getLabel(key));
        write(true, EnumEditorRole);
        write(labels, EnumLabelsRole);
    } else if (typeCode == CCAPIBaseCommon::StringPropertyType) {
        write(together.allMultiLine, MultiLineTextRole);
        write(!together.allMultiLine, SingleLineTextRole);
    }

    // Like a cell without a value: no number, no choice, an empty editor.
    if (together.mixed)
        write(QStringLiteral(""), Qt::EditRole);
    write(together.mixed, MixedValueRole);
    QStringList tooltip;
    if (together.mixed)
        tooltip << tr("Multiple values");
    if (together.referencesDiffer) {
        tooltip << tr("The objects' reference values differ");
    } else if (together.anyMismatch) {
        tooltip << QString::fromStdString(getCompareToReferencePropertyTooltip(
            m_exchangeRate.rate, m_exchangeRate.currency, dbControl, propertyAt(together.firstMismatch),
            referenceAt(together.firstMismatch)));
    }
    write(tooltip.join(QLatin1Char('\n')), Qt::ToolTipRole);
    write(together.flags, StateFlagsRole);
    write(together.readOnly, ReadOnlyRole);
    writes.finish();
    Q_EMIT sigPropGotModified(index);
}

} // namespace Velmaris
