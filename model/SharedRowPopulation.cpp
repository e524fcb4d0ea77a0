#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/ProcPlanBaseQItemModel_p.h>

#include <velmaris/model/CellChangeBatch.h>
#include <velmaris/model/SameValue.h>
#include <velmaris/model/SharedProperties.h>
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
    return a->getPropertyType() == b->getPropertyType() && sameValue(*a, *b);
}

// What the objects of a shared cell say together.
struct Together
{
    bool mixed = false;
    int flags = 0;
    bool readOnly = false;
    bool allMultiLine = true;
    // Numbers: the overlap of the ranges, as shown.
    double minimum = std::numeric_limits<double>::lowest();
    double maximum = std::numeric_limits<double>::max();
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

    Together together;
    for (std::size_t i = 0; i < property.members.size(); ++i) {
        BaseProperty &each = *propertyAt(i);
        bool kindAttention = false;
        if (const auto number = tryCreatePropertyNumber(&each, m_exchangeRate.currency, m_exchangeRate.rate, false)) {
            kindAttention = number->outOfBounds();
            together.minimum = std::max(together.minimum, number->min());
            together.maximum = std::min(together.maximum, number->max());
        } else if (const auto *choice = dynamic_cast<const CCAPIBaseCommon::CostPropertyEnum *>(&each)) {
            kindAttention = outsideAllowedValues(*choice);
        } else if (const auto *text = dynamic_cast<const CCAPIBaseCommon::CostPropertyString *>(&each)) {
            together.allMultiLine = together.allMultiLine && text->isMultiLine();
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
        together.readOnly = together.readOnly || readOnlyCell(each, forceEditable, false);
        together.mixed = together.mixed || !sameValue(*first, each);
    }

    if (const auto number = tryCreatePropertyNumber(first, m_exchangeRate.currency, m_exchangeRate.rate, false)) {
        VLDoubleSpinBoxData spinBoxData = number->calculateSpinBoxData();
        spinBoxData.minimum = together.minimum;
        spinBoxData.maximum = together.maximum;
        write(d->spinBoxVariants.variantOf(spinBoxData), SpinBoxDataRole);
    } else if (first->getPropertyType() == CCAPIBaseCommon::EnumPropertyType) {
        // The keys every object allows, whatever index each gives them.
        const CCAPIBaseCommon::TranslatorWithRules translator(dbControl);
        QStringList labels;
        labels.reserve(static_cast<int>(property.allowedValues.size()));
        for (const std::string &key : property.allowedValues)
            labels << QString::fromStdString(translator.getLabel(key));
        write(true, EnumEditorRole);
        write(labels, EnumLabelsRole);
    } else if (first->getPropertyType() == CCAPIBaseCommon::StringPropertyType) {
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
    emit sigPropGotModified(index);
}

} // namespace Velmaris
