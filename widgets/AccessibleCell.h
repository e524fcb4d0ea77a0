#pragma once

#include <QAccessibleInterface>
#include <QPersistentModelIndex>
#include <QPointer>

namespace Velmaris {

class PropertyTreeView;
class PropertyViewAccessible;

// One cell of a property view for assistive technology. A value cell is named by its
// property's label with the value as the view shows it, describes its state in words, is
// labelled by its label cell and offers the text it shows, its number (value cells of numbers)
// and its actions; a category row is a group. Every change goes the way of a key press.
class AccessibleCell : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleTextInterface,
                       public QAccessibleValueInterface,
                       public QAccessibleActionInterface
{
public:
    AccessibleCell(PropertyTreeView *view, const QModelIndex &index);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override { return m_index.column(); }
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override;

    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return shownText().size(); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    QVariant currentValue() const override;
    // Opens the editor, enters the value and presses Enter: the checks and the command of a typed edit.
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &name) const override;

private:
    PropertyViewAccessible *viewInterface() const;
    bool isValueCell() const;
    bool isCategory() const;
    bool isEditable() const;
    QString shownText() const;
    // The other cell of a property row: the label of a value, the value of a label.
    QModelIndex partner() const;
    QWidget *editor() const;

    QPointer<PropertyTreeView> m_view;
    QPersistentModelIndex m_index;
};

} // namespace Velmaris
