#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QModelIndex>

namespace Velmaris {

// Names an open editor after its property, describes the cell's state and remembers the cell,
// so that a screen reader finds the editor under its cell and knows what it changes.
void describeEditor(QWidget *editor, const QModelIndex &cell);
// The view's cell an editor edits; invalid for any other widget.
QModelIndex editedCell(const QObject *editor);

// A number or choice editor as assistive technology sees it: named by its property, a child of
// its cell, with a value interface (a number within the property's allowed range, or the index
// of the choice). Setting the value fills the editor as typing does; Enter commits it.
class EditorAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    EditorAccessible(QWidget *editor, QAccessible::Role role);

    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;
};

} // namespace Velmaris
