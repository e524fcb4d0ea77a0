#pragma once

#include <Qt>

namespace Velmaris {

/// The item data roles that the model writes and the views' delegate reads. The numbers are
/// an interface to the delegates and must never change. Qt's display, edit and tooltip roles
/// carry the shown value, the edit value and the tooltips.
enum ItemDataRole : int {
    ReadOnlyRole = Qt::UserRole + 13,       ///< bool: the cell must not be edited
    SpinBoxDataRole = Qt::UserRole + 15,    ///< VLDoubleSpinBoxData: spin-box settings
    EnumLabelsRole = Qt::UserRole + 22,     ///< QStringList: labels of the allowed values
    StateFlagsRole = Qt::UserRole + 24,     ///< int: ValueStateFlag bits
    MarkedLabelRole = Qt::UserRole + 47,    ///< bool: the label is shown marked
    ValueCellRole = Qt::UserRole + 48,      ///< bool: a populated property value cell
    NumericEditorRole = Qt::UserRole + 49,  ///< bool: edited with a spin box
    SingleLineTextRole = Qt::UserRole + 50, ///< bool: single-line text editor
    MultiLineTextRole = Qt::UserRole + 51,  ///< bool: multi-line text editor
    BooleanEditorRole = Qt::UserRole + 52,  ///< bool: check box
    EnumEditorRole = Qt::UserRole + 53,     ///< bool: combo box over EnumLabelsRole
    WideExpressionRole = Qt::UserRole + 55, ///< bool: the value text needs a wide editor
    MixedValueRole = Qt::UserRole + 56,     ///< bool: a cell of several objects whose values differ
    ParentObjectIdRole = 1234,              ///< int: id of the owning object, -1 for none
    TsKeyRole = 1235,                       ///< QString: category key or property string key
};

/// Bits of StateFlagsRole, rebuilt on every fill of a value cell.
enum ValueStateFlag : int {
    ChangedFlag = 0x002,           ///< The user modified the value.
    AttentionFlag = 0x020,         ///< No value, outside its allowed range, or clipped to it.
    ReferenceMismatchFlag = 0x800, ///< Differs from the reference plan.
};

} // namespace Velmaris
