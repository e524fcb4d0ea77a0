#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/model/EnumerationLabel.h>
#include <velmaris/number/PropertyNumberConcept.h>

#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/access/ProcessLayoutController.h>
#include <velmaris/host/comparison/ProcessPlanReferenceComparison.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/ScalarProperties.h>
#include <velmaris/host/translation/Translator.h>
#include <velmaris/host/widgets/VLItemDelegate.h>

namespace Velmaris {

namespace {

const char *const s_tooltipContext = "compareToReferenceProperty";
const char *const s_referenceValueText = QT_TRANSLATE_NOOP("compareToReferenceProperty", "Reference value: %1");
const char *const s_noReferenceText = QT_TRANSLATE_NOOP("compareToReferenceProperty", "No reference value");

// A property's value as a reference tooltip shows it: numbers converted but never doubled,
// texts exactly as stored.
QString propertyValueText(CCAPIBaseCommon::BaseProperty *property, const std::string &currency,
                          double rate, CCAPIBaseCommon::ITranslator *translator)
{
    if (const auto number = tryCreatePropertyNumber(property, currency, rate, false))
        return number->getConvertedValue();
    switch (property->getPropertyType()) {
    case CCAPIBaseCommon::StringPropertyType: {
        const auto *text = dynamic_cast<CCAPIBaseCommon::CostPropertyString *>(property);
        return text ? QString::fromStdString(text->getValue()) : QString();
    }
    case CCAPIBaseCommon::BooleanPropertyType: {
        const auto *flag = dynamic_cast<CCAPIBaseCommon::CostPropertyBoolean *>(property);
        return flag ? VLItemDelegate::text(flag->getValue()) : QString();
    }
    case CCAPIBaseCommon::EnumPropertyType: {
        const auto *choice = dynamic_cast<CCAPIBaseCommon::CostPropertyEnum *>(property);
        return choice ? QString::fromStdString(enumerationLabel(*choice, *translator, choice->getIndexValue()))
                      : QString();
    }
    default:
        return {};
    }
}

} // namespace

std::string ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltip(
    double rate, const std::string &currency, CCAPIBaseCommon::ITranslator *translator,
    CCAPIBaseCommon::BaseProperty *, CCAPIBaseCommon::BaseProperty *referenceProperty)
{
    if (!referenceProperty || !translator)
        return Translator::translate(s_tooltipContext, s_noReferenceText, nullptr, -1);
    const QString value = propertyValueText(referenceProperty, currency, rate, translator);
    return TranslatorArg::translate(s_tooltipContext, s_referenceValueText, nullptr, -1)
        .arg(value.toStdString())
        .text();
}

std::string ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltipPtr(
    const std::string &currency, CCAPIBaseCommon::ITranslator *translator,
    const std::shared_ptr<PropertySignalContainer> &container,
    const std::shared_ptr<PropertySignalContainer> &referenceContainer)
{
    CCAPIBaseCommon::BaseProperty *property = container ? container->getProperty() : nullptr;
    CCAPIBaseCommon::BaseProperty *reference = referenceContainer ? referenceContainer->getProperty() : nullptr;
    return getCompareToReferencePropertyTooltip(1.0, currency, translator, property, reference);
}

void ProcPlanBaseQItemModel::updatePropertyReferenceComparisonAt(
    CCAPIAccess::ProcessLayoutController *controller, CCAPIBaseCommon::BaseProperty *property,
    CCAPIBaseCommon::BaseProperty *referenceProperty, QModelIndex index, int)
{
    const bool equal = !m_referenceComparison
                       || ProcessPlanReferenceComparison::isPropertyEqual(property, referenceProperty, nullptr);
    if (equal) {
        QStandardItemModel::setData(index, QStringLiteral(""), Qt::ToolTipRole);
    } else {
        const std::string tooltip = getCompareToReferencePropertyTooltip(
            m_exchangeRate.rate, m_exchangeRate.currency, controller->getDatabaseControl(), property,
            referenceProperty);
        QStandardItemModel::setData(index, QString::fromStdString(tooltip), Qt::ToolTipRole);
    }
    int flags = data(index, StateFlagsRole).toInt();
    if (equal)
        flags &= ~ReferenceMismatchFlag;
    else
        flags |= ReferenceMismatchFlag;
    QStandardItemModel::setData(index, flags, StateFlagsRole);
}

} // namespace Velmaris
