#pragma once

#include <velmaris/model/ItemDataRoles.h>

#include <velmaris/velmaris_export.h>

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

/// The presentation library: an item model of plan-object properties, a numeric property
/// wrapper, property commands and a PDF viewer, all used on the GUI thread.
namespace Velmaris {

class CellChangeBatch;
class CommandBase;
class DesignCommandFactory;
class DesignDefinitionControlInterface;
class Object;
class ProcessLayout;
class PropertySignalContainer;
class ProcPlanBaseQItemModelPrivate;
struct PropertyEdit;
struct SharedProperty;

/// The properties of plan objects as a tree: category rows at the top level, property rows
/// (inserted by the host) below them.
///
/// The model fills cells and never creates property rows, so the host decides which columns
/// hold labels and values; every operation works on exactly the cell it is handed. Cell data
/// travels in the roles of ItemDataRole, which the view's item delegate reads. One model per
/// view, created and deleted by the host; GUI thread only. Host objects passed by pointer are
/// borrowed for the call.
class VELMARIS_EXPORT ProcPlanBaseQItemModel : public QStandardItemModel
{
    Q_OBJECT
public:
    /// How price properties (unit "usd") are shown and edited: multiplied by #rate and shown
    /// in #currency; an edited amount is divided by #rate before it is stored.
    struct ExchangeRate
    {
        double rate;          ///< Conversion factor; 1.0 converts nothing.
        std::string currency; ///< Currency code shown as the unit of prices.
    };
    /// Rate 1.0 in "EUR", what every model starts with.
    static const ExchangeRate s_defaultExchangeRate;

    /// Role of a value cell's owning object id (ParentObjectIdRole).
    static const int s_parentObjectIdRole = ParentObjectIdRole;
    /// Role of a category row's key and of a property's string key (TsKeyRole).
    static const int s_tsKeyRole = TsKeyRole;

    /// An empty model holding a share of @p control, which only command generation consults
    /// (it may be empty).
    explicit ProcPlanBaseQItemModel(std::shared_ptr<DesignDefinitionControlInterface> control);
    /// An empty model without a design definition control.
    ProcPlanBaseQItemModel();
    ~ProcPlanBaseQItemModel() override;

    /// Replaces the design definition control, releasing the old share.
    void setDesignDefinitionControl(const std::shared_ptr<DesignDefinitionControlInterface> &control);
    /// Sets the conversion used wherever a price is shown, compared or edited from now on;
    /// filled cells keep their values until they are filled again.
    void setExchangeRate(const ExchangeRate &exchangeRate);
    /// Switches the comparison with a reference plan on or off for the following fills.
    void enableReferenceComparison(bool enabled);
    /// Shows every property, hidden ones included, in every model of the process.
    static void setShowAllProperties(bool showAll);
    /// The process-wide switch of setShowAllProperties().
    static bool getShowAllProperties();

    /// The conversion set by setExchangeRate().
    const ExchangeRate &exchangeRate() const { return m_exchangeRate; }
    /// Whether enableReferenceComparison() switched the comparison on.
    bool referenceComparisonEnabled() const { return m_referenceComparison; }
    /// The control given to the constructor or setDesignDefinitionControl(); may be empty.
    const std::shared_ptr<DesignDefinitionControlInterface> &designDefinitionControl() const
    {
        return m_designDefinitionControl;
    }

    /// The category row (column 0) whose key is @p categoryKey, appended with
    /// @p categoryLabel on first request.
    ///
    /// An existing row keeps the label it was created with; among rows with one key the last
    /// wins; keys match byte for byte. The answer is that of the rows as they are at the
    /// call, also after the host inserted, removed, moved or renamed top-level rows with the
    /// model's signals blocked, or replaced a row's data through QStandardItem::read(),
    /// setData() or setItemData(); a row's data cleared (clearItemData(), or the item's own
    /// clearData()) is seen only with the model's signals on. Finding an existing row costs
    /// constant time however many categories there are, plus one read per top-level row the
    /// host made itself (its changes cannot be observed); appending one reads every row first.
    QModelIndex categoryIndex(const std::string &categoryKey, const std::string &categoryLabel);
    /// The category row of the container's property: its label key's category key, labelled
    /// by the controller's database ("Unnamed Category" when it has no label).
    QModelIndex categoryIndex(CCAPIAccess::ProcessLayoutController *controller,
                              std::shared_ptr<PropertySignalContainer> container);

    /// Fills the label cell @p index: the translated label, read-only, the property's key, a
    /// tooltip for labels too long to show or not editable, and the mark when @p markLabel
    /// (a mark once set stays; the host clears it).
    void generateLabelQitem(CCAPIAccess::DataBaseControl *dbControl,
                            const CCAPIBaseCommon::LabelKey *labelKey, QModelIndex index,
                            bool markLabel);

    /// The property's (or category's) key stored in the cell; empty when it has none.
    std::string getPropertyKeyAtIndex(const QModelIndex &index) const;
    /// The owning object's id stored in a value cell; 0 when it has none.
    int getPropertyParentIdAtIndex(const QModelIndex &index) const;

    /// The containers to show, in display order, chosen by the label key's visibility or by
    /// the property's own (which the show-all switch overrules).
    static std::vector<std::shared_ptr<PropertySignalContainer>>
    sortAndReturnOnlyVisibleProps(const std::vector<std::shared_ptr<PropertySignalContainer>> &containers,
                                  bool useLabelKeyVisibility);

    /// Fills a property's value cell (value, editor marker, spin-box settings, enumeration
    /// labels, state flags, read-only, reference tooltip) and ends with sigPropGotModified.
    /// @p scaleMode 2 shows numbers doubled; @p forceEditable overrides the property's own
    /// read-only state. Call it again after a command changed the property.
    void updatePropertyValueAt(CCAPIAccess::DataBaseControl *dbControl,
                               std::shared_ptr<PropertySignalContainer> container,
                               CCAPIBaseCommon::BaseProperty *referenceProperty, QModelIndex index,
                               int scaleMode, bool forceEditable);
    /// The same for a bare property owned by @p parentObjectId; a @p comparisonProperty, when
    /// given, decides the changed mark instead of the property's own modified state, and
    /// @p forceReadOnly wins over @p forceEditable.
    void updatePropertyValueAt(CCAPIAccess::DataBaseControl *dbControl,
                               CCAPIBaseCommon::BaseProperty *property,
                               CCAPIBaseCommon::BaseProperty *referenceProperty, int parentObjectId,
                               QModelIndex index, CCAPIBaseCommon::BaseProperty *comparisonProperty,
                               int scaleMode, bool forceEditable, bool forceReadOnly);

    /// Fills the value cell of a property that several objects share (see sharedProperties())
    /// with the roles of a single object's cell, and ends with sigPropGotModified.
    ///
    /// Where the objects' values differ the cell is mixed: MixedValueRole is true, the value
    /// is the empty string (no number, no choice; an editor opens empty), and the tooltip
    /// says "Multiple values". Numbers offer the overlap of the objects' ranges, enumerations
    /// the values every object allows. The cell is read-only when any object's property is
    /// (unless @p forceEditable), and carries each state flag that any object's cell would:
    /// changed, needs attention, differs from the reference; @p referenceProperties holds
    /// each object's reference property in the objects' order (missing ones count as null).
    /// The reference tooltip is that of the first object that differs from its reference,
    /// or says that the objects' reference values differ. The cell names no one object:
    /// ParentObjectIdRole is -1.
    void updateSharedPropertyValueAt(CCAPIAccess::DataBaseControl *dbControl, const SharedProperty &property,
                                     const std::vector<CCAPIBaseCommon::BaseProperty *> &referenceProperties,
                                     QModelIndex index, bool forceEditable);

    /// Refreshes only the reference tooltip and the reference-mismatch bit of a filled cell,
    /// cheaper than a refill when only the reference plan changed.
    void updatePropertyReferenceComparisonAt(CCAPIAccess::ProcessLayoutController *controller,
                                             CCAPIBaseCommon::BaseProperty *property,
                                             CCAPIBaseCommon::BaseProperty *referenceProperty,
                                             QModelIndex index, int unused);

    /// "Reference value: %1" with the reference's value as the value cell would show it
    /// (prices converted, enumerations by label), or "No reference value" without a
    /// reference or translator; translated in the context "compareToReferenceProperty".
    static std::string getCompareToReferencePropertyTooltip(double rate, const std::string &currency,
                                                            CCAPIBaseCommon::ITranslator *translator,
                                                            CCAPIBaseCommon::BaseProperty *property,
                                                            CCAPIBaseCommon::BaseProperty *referenceProperty);
    /// The same for two containers, without currency conversion.
    static std::string getCompareToReferencePropertyTooltipPtr(
        const std::string &currency, CCAPIBaseCommon::ITranslator *translator,
        const std::shared_ptr<PropertySignalContainer> &container,
        const std::shared_ptr<PropertySignalContainer> &referenceContainer);

    /// An edit from a view: strings of spaces only become empty; a changed edit value is
    /// signalled with sigPropGotModified.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    /// Stores as given, without cleaning or signal: for data the host keeps in the cells.
    bool setDataQuietly(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole);
    /// Qt's write of several roles at once, which passes by setData(): a top-level row written
    /// this way, signals blocked or not, is found by categoryIndex() under its new key.
    bool setItemData(const QModelIndex &index, const QMap<int, QVariant> &roles) override;

    /// The command that stores the edited cell in the property, or none (an enumeration label
    /// that names no allowed value, a property of no known type). The host executes it; the
    /// model never does. Writes the cell's display text back with line feeds flattened
    /// (except for "PRJ_Comment") first. Renaming a feature and switching the air cushion go
    /// to the design definition control's command factory when there is one.
    std::shared_ptr<CommandBase> generatePropertyModifyCommand(CCAPIAccess::ProcessLayoutController *controller,
                                                               std::shared_ptr<Object> object,
                                                               std::shared_ptr<ProcessLayout> layout,
                                                               CCAPIBaseCommon::BaseProperty *property,
                                                               QModelIndex index);
    /// The command that returns the property to its automatic value, for the host to execute.
    std::shared_ptr<CommandBase> generateSetPropertyToAutoCommand(std::shared_ptr<Object> object,
                                                                  std::shared_ptr<ProcessLayout> layout,
                                                                  CCAPIBaseCommon::BaseProperty *property);

    /// One command that stores the edited shared cell in every object's property, for the
    /// host to execute: each object's own command, as generatePropertyModifyCommand() makes
    /// it but without a description of its own, made from the edited value (an
    /// enumeration's by its key, at each object's own index), executed in the objects' order
    /// and undone in reverse, described "Change <property> of <count> objects to <value>". A
    /// single object's command is returned as it is, described. None when the cell still shows several values, or when any object's command
    /// cannot be made. Writes the cell's display text back as the single form does.
    std::shared_ptr<CommandBase> generateSharedPropertyModifyCommand(std::shared_ptr<ProcessLayout> layout,
                                                                     const SharedProperty &property,
                                                                     QModelIndex index);
    /// One command that returns every object's property to its automatic value, made of the
    /// commands of generateSetPropertyToAutoCommand(), described "Set <property> of <count>
    /// objects to automatic"; a single object's command is returned as it is.
    std::shared_ptr<CommandBase> generateSharedSetPropertyToAutoCommand(std::shared_ptr<ProcessLayout> layout,
                                                                        const SharedProperty &property);

Q_SIGNALS:
    /// A value cell was filled, or an edit changed its edit value. Filling emits it too, so
    /// a host that turns edits into commands ignores it while it fills.
    void sigPropGotModified(const QModelIndex &idx);

private:
    void replaceStringInPlace(std::string &subject, const std::string &search,
                              const std::string &replacement);
    void updatePropertyValueAt(CCAPIAccess::DataBaseControl *dbControl,
                               CCAPIBaseCommon::BaseProperty *property,
                               CCAPIBaseCommon::BaseProperty *referenceProperty, QModelIndex index,
                               CCAPIBaseCommon::BaseProperty *comparisonProperty, int scaleMode,
                               bool forceEditable, bool forceReadOnly);
    void writeValueCell(CellChangeBatch &writes, CCAPIAccess::DataBaseControl *dbControl,
                        CCAPIBaseCommon::BaseProperty *property, CCAPIBaseCommon::BaseProperty *referenceProperty,
                        const QModelIndex &index, CCAPIBaseCommon::BaseProperty *comparisonProperty, int scaleMode,
                        bool forceEditable, bool forceReadOnly);
    void setSpinbBoxRole(const QModelIndex &index, int expressionWidth);
    PropertyEdit takeEdit(const QModelIndex &index, const std::string &key);
    std::shared_ptr<DesignCommandFactory> designCommandFactory() const;
    std::shared_ptr<CommandBase> commandForEdit(const PropertyEdit &edit, std::shared_ptr<Object> object,
                                                const std::shared_ptr<ProcessLayout> &layout,
                                                CCAPIBaseCommon::BaseProperty *property, DesignCommandFactory *factory);

    std::shared_ptr<DesignDefinitionControlInterface> m_designDefinitionControl;
    ExchangeRate m_exchangeRate;
    bool m_referenceComparison = false;
    const std::unique_ptr<ProcPlanBaseQItemModelPrivate> d;

    static bool s_showAllProperties;
};

} // namespace Velmaris
