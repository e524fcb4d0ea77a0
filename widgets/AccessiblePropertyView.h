#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QItemSelectionRange>
#include <QObject>
#include <QPersistentModelIndex>

#include <vector>

namespace Velmaris {

class PropertyTreeView;

// Lets assistive technology find PropertyTreeView's own interfaces and those of its editors.
void installPropertyViewAccessibility();

// A property view as assistive technology sees it: a tree whose children are the header's
// sections and then the cells of every row shown, row by row, numbered as QTreeView numbers
// them in its focus and selection events. Cells speak the view's words (PropertyCellText).
class PropertyViewAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit PropertyViewAccessible(PropertyTreeView *view);
    ~PropertyViewAccessible() override;

    static PropertyViewAccessible *of(PropertyTreeView *view);

    PropertyTreeView *view() const;
    // The interface of a cell shown; null for a row folded away.
    QAccessibleInterface *cellFor(const QModelIndex &index) const;
    // The row of the index's row among the rows shown; -1 when it is not shown.
    int shownRow(const QModelIndex &index) const;

    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    const std::vector<QPersistentModelIndex> &rows() const;
    // Rows came or went, folded or unfolded: the children are numbered anew.
    void forgetRows() const;
    // A reader hears of a change of the cell it is on: a value toggled, committed or undone.
    void announceChange(const QItemSelectionRange &changed) const;
    void announceCurrent() const;

    mutable std::vector<QPersistentModelIndex> m_rows;
    mutable bool m_rowsKnown = false;
    mutable QHash<int, QAccessible::Id> m_children;
    mutable QObject m_modelWatch;
    mutable const QAbstractItemModel *m_watchedModel = nullptr;
    mutable bool m_announcing = false;
};

} // namespace Velmaris
