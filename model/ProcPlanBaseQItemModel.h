#pragma once

#include "model/CategoryRowLookup.h"
#include "model/ItemDataRoles.h"
#include "model/MeasuringFont.h"
#include "model/SpinBoxVariantCache.h"

#include <velmaris_export.h>

#include <QStandardItemModel>

#include <memory>
#include <string>
#include <vector>

namespace CCAPIAccess {
class DataBaseControl;
class ProcessLayoutController;
} // namespace CCAPIAccess

namespace CCAPIBaseCommon {
class BaseProperty;
class ITranslator;
class LabelKey;
} // namespace CCAPIBaseCommon

namespace Velmaris {

class CommandBase;
class DesignDefinitionControlInterface;
class Object;
class ProcessLayout;
class PropertySignalContainer;

// The properties of plan objects as a tree: category rows at the top level, property rows
// (inserted by the host) below them. The model fills cells; the host decides which columns
// hold labels and values.
class VELMARIS_EXPORT ProcPlanBaseQItemModel : public QStandardItemModel
{
    Q_OBJECT
public:
    struct ExchangeRate
    {
        double rate;
        std::string currency;
    };
    static const ExchangeRate s_defaultExchangeRate;

    static const int s_parentObjectIdRole = ParentObjectIdRole;
    static const int s_tsKeyRole = TsKeyRole;

    explicit ProcPlanBaseQItemModel(std::shared_ptr<DesignDefinitionControlInterface> control);
    ProcPlanBaseQItemModel();
    ~ProcPlanBaseQItemModel() override;

    void setDesignDefinitionControl(const std::shared_ptr<DesignDefinitionControlInterface> &control);
    void setExchangeRate(const ExchangeRate &exchangeRate);
    void enableReferenceComparison(bool enabled);
    static void setShowAllProperties(bool showAll);
    static bool getShowAllProperties();

    const ExchangeRate &exchangeRate() const { return m_exchangeRate; }
    bool referenceComparisonEnabled() const { return m_referenceComparison; }
    const std::shared_ptr<DesignDefinitionControlInterface> &designDefinitionControl() const
    {
        return m_designDefinitionControl;
    }

    // The category row for the key, appended on first request. An existing row keeps the
    // label it was created with; among rows with one key the last wins.
    QModelIndex categoryIndex(const std::string &categoryKey, const std::string &categoryLabel);
    QModelIndex categoryIndex(CCAPIAccess::ProcessLayoutController *controller,
                              std::shared_ptr<PropertySignalContainer> container);

    void generateLabelQitem(CCAPIAccess::DataBaseControl *dbControl,
                            const CCAPIBaseCommon::LabelKey *labelKey, QModelIndex index,
                            bool markLabel);

    std::string getPropertyKeyAtIndex(const QModelIndex &index) const;
    int getPropertyParentIdAtIndex(const QModelIndex &index) const;

    // The containers to show, in display order, chosen by the label key's visibility or by
    // the property's own (which the show-all switch overrules).
    static std::vector<std::shared_ptr<PropertySignalContainer>>
    sortAndReturnOnlyVisibleProps(const std::vector<std::shared_ptr<PropertySignalContainer>> &containers,
                                  bool useLabelKeyVisibility);

    // Fills a property's value cell (value, editor marker, spin-box settings, enumeration
    // labels, state flags, read-only, reference tooltip) and ends with sigPropGotModified.
    // scaleMode 2 shows numbers doubled; forceReadOnly wins over forceEditable.
    void updatePropertyValueAt(CCAPIAccess::DataBaseControl *dbControl,
                               std::shared_ptr<PropertySignalContainer> container,
                               CCAPIBaseCommon::BaseProperty *referenceProperty, QModelIndex index,
                               int scaleMode, bool forceEditable);
    void updatePropertyValueAt(CCAPIAccess::DataBaseControl *dbControl,
                               CCAPIBaseCommon::BaseProperty *property,
                               CCAPIBaseCommon::BaseProperty *referenceProperty, int parentObjectId,
                               QModelIndex index, CCAPIBaseCommon::BaseProperty *comparisonProperty,
                               int scaleMode, bool forceEditable, bool forceReadOnly);

    // Refreshes only the reference tooltip and the reference-mismatch bit of a filled cell.
    void updatePropertyReferenceComparisonAt(CCAPIAccess::ProcessLayoutController *controller,
                                             CCAPIBaseCommon::BaseProperty *property,
                                             CCAPIBaseCommon::BaseProperty *referenceProperty,
                                             QModelIndex index, int unused);

    // "Reference value: %1" with the reference's value as text, or "No reference value".
    static std::string getCompareToReferencePropertyTooltip(double rate, const std::string &currency,
                                                            CCAPIBaseCommon::ITranslator *translator,
                                                            CCAPIBaseCommon::BaseProperty *property,
                                                            CCAPIBaseCommon::BaseProperty *referenceProperty);
    static std::string getCompareToReferencePropertyTooltipPtr(
        const std::string &currency, CCAPIBaseCommon::ITranslator *translator,
        const std::shared_ptr<PropertySignalContainer> &container,
        const std::shared_ptr<PropertySignalContainer> &referenceContainer);

    // An edit from a view: strings of spaces only become empty; a changed edit value is
    // signalled with sigPropGotModified.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // Stores as given, without cleaning or signal.
    bool setDataQuietly(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole);

    // The command that stores the edited cell in the property, or none. Writes the cell's
    // display text back with line feeds flattened (except for "PRJ_Comment") first.
    std::shared_ptr<CommandBase> generatePropertyModifyCommand(CCAPIAccess::ProcessLayoutController *controller,
                                                               std::shared_ptr<Object> object,
                                                               std::shared_ptr<ProcessLayout> layout,
                                                               CCAPIBaseCommon::BaseProperty *property,
                                                               QModelIndex index);
    // The command that returns the property to its automatic value.
    std::shared_ptr<CommandBase> generateSetPropertyToAutoCommand(std::shared_ptr<Object> object,
                                                                  std::shared_ptr<ProcessLayout> layout,
                                                                  CCAPIBaseCommon::BaseProperty *property);

signals:
    void sigPropGotModified(const QModelIndex &idx);

private:
    void replaceStringInPlace(std::string &subject, const std::string &search,
                              const std::string &replacement);
    void watchTopLevel();
    void updatePropertyValueAt(CCAPIAccess::DataBaseControl *dbControl,
                               CCAPIBaseCommon::BaseProperty *property,
                               CCAPIBaseCommon::BaseProperty *referenceProperty, QModelIndex index,
                               CCAPIBaseCommon::BaseProperty *comparisonProperty, int scaleMode,
                               bool forceEditable, bool forceReadOnly);
    void setSpinbBoxRole(const QModelIndex &index, int expressionWidth);

    std::shared_ptr<DesignDefinitionControlInterface> m_designDefinitionControl;
    ExchangeRate m_exchangeRate;
    bool m_referenceComparison = false;
    CategoryRowLookup m_categoryRows;
    bool m_appendingCategory = false;
    MeasuringFont m_measuringFont;
    SpinBoxVariantCache m_spinBoxVariants;

    static bool s_showAllProperties;
};

} // namespace Velmaris
