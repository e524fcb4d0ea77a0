#pragma once

#include <velmaris/velmaris_widgets_export.h>

#include <QTreeView>

namespace Velmaris {

/// A tree view of property rows, keyboard first: its current cell is always a value cell
/// (arrow keys, Tab and clicks never land on a label); F2, Enter or a typed character edits
/// it, F4 or Alt+Down opens a choice list. It draws with PropertyItemDelegate, and its header
/// fits the label column when asked to, never on every change of a row.
///
/// Screen readers read it as a tree named "Properties" (set another name or description with
/// setAccessibleName() and setAccessibleDescription()): each value cell is announced by its
/// property's label with the text the view shows and its state in words, labelled by its label
/// cell; a category row is a group; an open editor is the child of its cell, named by the label,
/// and a value set through it is committed as a typed one.
class VELMARIS_WIDGETS_EXPORT PropertyTreeView : public QTreeView
{
    Q_OBJECT
public:
    /// A view with a PropertyItemDelegate, the keyboard rules and the accessible names above.
    explicit PropertyTreeView(QWidget *parent = nullptr);

    /// The value cell in the row of \p index; invalid for a category row.
    static QModelIndex valueCellOfRow(const QModelIndex &index);

protected:
    /// Moves between value cells only, skipping labels and category rows.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    /// F2, Enter or a typed character edit the value; F4 or Alt+Down open a choice list.
    void keyPressEvent(QKeyEvent *event) override;
    /// Selects the value cell of a clicked row, never its label.
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    /// Keeps the current cell on a value cell.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    // The next row's value cell below (or above) from, skipping category rows.
    QModelIndex nextValueCell(QModelIndex from, bool down) const;
};

} // namespace Velmaris
