#pragma once

#include <velmaris/velmaris_widgets_export.h>

#include <QTreeView>

namespace Velmaris {

// A tree view of property rows, keyboard first: its current cell is always a value cell
// (arrow keys, Tab and clicks never land on a label); F2, Enter or a typed character edits
// it, F4 or Alt+Down opens a choice list. It draws with PropertyItemDelegate, and its header
// fits the label column when asked to, never on every change of a row.
class VELMARIS_WIDGETS_EXPORT PropertyTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit PropertyTreeView(QWidget *parent = nullptr);

    // The value cell in the row of index; invalid for a category row.
    static QModelIndex valueCellOfRow(const QModelIndex &index);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent *event) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    // The next row's value cell below (or above) from, skipping category rows.
    QModelIndex nextValueCell(QModelIndex from, bool down) const;
};

} // namespace Velmaris
