#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/ProcPlanBaseQItemModel_p.h>

#include <velmaris/model/CellChangeBatch.h>
#include <velmaris/model/EnumerationLabel.h>
#include <velmaris/model/ExpressionText.h>
#include <velmaris/model/ValueCellMarks.h>
#include <velmaris/number/PropertyNumberConcept.h>

#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/comparison/ProcessPlanReferenceComparison.h>
#include <velmaris/host/objects/Object.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/ScalarProperties.h>
#include <velmaris/host/translation/TranslatorWithRules.h>
#include <velmaris/host/widgets/StyleHelpers.h>

#include <QStringList>

#include <optional>
#include <utility>

namespace Velmaris {

namespace {

constexpr int doubledScaleMode = 2;

// The property as the class of its type code; null when its code or class is another.
template <typename Kind>
const Kind *ofKind(const CCAPIBaseCommon::BaseProperty *property, int typeCode)
{
    return property->getPropertyType() == typeCode ? dynamic_cast<const Kind *>(property) : nullptr;
}

} // namespace

void ProcPlanBaseQItemModel::updatePropertyValueAt(CCAPIAccess::DataBaseControl *dbControl,
                                                   std::shared_ptr<PropertySignalContainer> container,
                                                   CCAPIBaseCommon::BaseProperty *referenceProperty,
                                                   QModelIndex index, int scaleMode, bool forceEditable)
{
    if (!container)
        return;
    const Object *parent = container->getParentObject();
    const int parentObjectId = parent ? parent->id : -1;
    updatePropertyValueAt(dbControl, container->getProperty(), referenceProperty, parentObjectId, index,
                          nullptr, scaleMode, forceEditable, false);
}

void ProcPlanBaseQItemModel::updatePropertyValueAt(CCAPIAccess::DataBaseControl *dbControl,
                                                   CCAPIBaseCommon::BaseProperty *property,
                                                   CCAPIBaseCommon::BaseProperty *referenceProperty,
                                                   int parentObjectId, QModelIndex index,
                                                   CCAPIBaseCommon::BaseProperty *comparisonProperty,
                                                   int scaleMode, bool forceEditable, bool forceReadOnly)
{
    if (!property)
        return;
    CellChangeBatch writes(*this, index, d->roleLists);
    writes.write(d->keyTexts.textOf(property->getLabelKey()->getStringKey()), 1235);
    writes.write(parentObjectId, 1234);
    // The worker goes on with these writes, so that views hear of the cell once.
    d->keyWrites = &writes;
    updatePropertyValueAt(dbControl, property, referenceProperty, index, comparisonProperty, scaleMode,
                          forceEditable, forceReadOnly);
}

void ProcPlanBaseQItemModel::updatePropertyValueAt(CCAPIAccess::DataBaseControl *dbControl,
                                                   CCAPIBaseCommon::BaseProperty *property,
                                                   CCAPIBaseCommon::BaseProperty *referenceProperty,
                                                   QModelIndex index,
                                                   CCAPIBaseCommon::BaseProperty *comparisonProperty,
                                                   int scaleMode, bool forceEditable, bool forceReadOnly)
{
    // Taken at once: a receiver of this cell's signals may fill another.
    CellChangeBatch *const keyWrites = std::exchange(d->keyWrites, nullptr);
    std::optional<CellChangeBatch> ownWrites;
    CellChangeBatch &writes = keyWrites ? *keyWrites : ownWrites.emplace(*this, index, d->roleLists);
    writeValueCell(writes, dbControl, property, referenceProperty, index, comparisonProperty, scaleMode,
                   forceEditable, forceReadOnly);
    writes.finish();
    Q_EMIT sigPropGotModified(index);
}

void ProcPlanBaseQItemModel::writeValueCell(CellChangeBatch &writes, CCAPIAccess::DataBaseControl *dbControl,
                                            CCAPIBaseCommon::BaseProperty *property,
                                            CCAPIBaseCommon::BaseProperty *referenceProperty, const QModelIndex &index,
                                            CCAPIBaseCommon::BaseProperty *comparisonProperty, int scaleMode,
                                            bool forceEditable, bool forceReadOnly)
{
    const auto write = [&writes](const QVariant &value, int role) { writes.write(value, role); };

    d->measuringFont.follow(getApplicationDefinedStyleProperty("vlFont"),
                            getApplicationDefinedStyleProperty("vlFontSize"));

    const bool equalToReference = !m_referenceComparison
                                  || ProcessPlanReferenceComparison::isPropertyEqual(property, referenceProperty,
                                                                                     nullptr);

    bool attention = false;
    const auto number = tryCreatePropertyNumber(property, m_exchangeRate.currency, m_exchangeRate.rate,
                                                scaleMode == doubledScaleMode);
    if (number) {
        const VLDoubleSpinBoxData spinBoxData = number->calculateSpinBoxData();
        const QVariant editorValue = number->editorVariant();
        write(editorValue, Qt::EditRole);
        attention = number->outOfBounds();
        write(true, NumericEditorRole);
        const ExpressionText expression(editorValue, number->unit());
        const int width = expression.isEmpty() ? d->measuringFont.width(number->expressionText())
                                               : d->measuringFont.width(expression.view());
        writes.writeThrough(WideExpressionRole, [&] { setSpinbBoxRole(index, width); });
        write(d->spinBoxVariants.variantOf(spinBoxData), SpinBoxDataRole);
    } else if (const auto *choice = ofKind<CCAPIBaseCommon::CostPropertyEnum>(property, CCAPIBaseCommon::EnumPropertyType)) {
        const CCAPIBaseCommon::TranslatorWithRules translator(dbControl);
        const int count = static_cast<int>(choice->getAllowedValues().size());
        attention = outsideAllowedValues(*choice);
        QStringList labels;
        labels.reserve(count);
        for (int i = 0; i < count; ++i)
            labels << QString::fromStdString(enumerationLabel(*choice, translator, i));
        if (!attention) {
            write(true, EnumEditorRole);
            write(labels, EnumLabelsRole);
            write(labels.at(choice->getIndexValue()), Qt::DisplayRole);
        }
    } else if (const auto *text = ofKind<CCAPIBaseCommon::CostPropertyString>(property, CCAPIBaseCommon::StringPropertyType)) {
        std::string shown = text->getValue();
        replaceStringInPlace(shown, "<", "[");
        replaceStringInPlace(shown, ">", "]");
        write(true, text->isMultiLine() ? MultiLineTextRole : SingleLineTextRole);
        write(clearStringIfContainsSpacesExclusively(QString::fromStdString(shown)), Qt::EditRole);
    } else if (const auto *flag = ofKind<CCAPIBaseCommon::CostPropertyBoolean>(property, CCAPIBaseCommon::BooleanPropertyType)) {
        write(true, BooleanEditorRole);
        write(flag->getValue(), Qt::EditRole);
    }

    if (m_referenceComparison && !equalToReference) {
        const std::string tooltip = getCompareToReferencePropertyTooltip(
            m_exchangeRate.rate, m_exchangeRate.currency, dbControl, property, referenceProperty);
        write(QString::fromStdString(tooltip), Qt::ToolTipRole);
    }
    if (property->hasNoValue())
        write(QStringLiteral(""), Qt::EditRole);
    write(valueStateFlags(*property, comparisonProperty, attention, m_referenceComparison && !equalToReference),
          StateFlagsRole);
    write(readOnlyCell(dynamic_cast<const CCAPIBaseCommon::CostProperty *>(property), forceEditable, forceReadOnly),
          ReadOnlyRole);
    write(true, ValueCellRole);
}

} // namespace Velmaris
