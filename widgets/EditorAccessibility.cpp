#include <velmaris/widgets/EditorAccessibility.h>

#include <velmaris/widgets/AccessiblePropertyView.h>
#include <velmaris/widgets/CellData.h>
#include <velmaris/widgets/NumberEditor.h>
#include <velmaris/widgets/PropertyCellText.h>
#include <velmaris/widgets/PropertyTreeView.h>

#include <QComboBox>

namespace Velmaris {

namespace {

constexpr char s_cellProperty[] = "velmarisEditedCell";

} // namespace

void describeEditor(QWidget *editor, const QModelIndex &cell)
{
    editor->setProperty(s_cellProperty, QVariant::fromValue(QPersistentModelIndex(cell)));
    editor->setAccessibleName(labelOf(cell).data(Qt::DisplayRole).toString());
    editor->setAccessibleDescription(PropertyCellText::states(cell, editor->locale()).join(QStringLiteral("; ")));
}

QModelIndex editedCell(const QObject *editor)
{
    return editor->property(s_cellProperty).value<QPersistentModelIndex>();
}

EditorAccessible::EditorAccessible(QWidget *editor, QAccessible::Role role)
    : QAccessibleWidget(editor, role)
{
}

QAccessibleInterface *EditorAccessible::parent() const
{
    // The cell, not the viewport, which no table lists among its children.
    QWidget *viewport = widget()->parentWidget();
    if (auto *view = qobject_cast<PropertyTreeView *>(viewport ? viewport->parentWidget() : nullptr)) {
        if (QAccessibleInterface *cell = PropertyViewAccessible::of(view)->cellFor(editedCell(object())))
            return cell;
    }
    return QAccessibleWidget::parent();
}

QString EditorAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Value)
        return QAccessibleWidget::text(t);
    if (const auto *number = qobject_cast<const NumberEditor *>(object()))
        return number->text();
    return static_cast<const QComboBox *>(object())->currentText();
}

QVector<QPair<QAccessibleInterface *, QAccessible::Relation>> EditorAccessible::relations(QAccessible::Relation match) const
{
    auto related = QAccessibleWidget::relations(match);
    QAccessibleInterface *cell = parent();
    if ((match & QAccessible::Label) && cell && cell->tableCellInterface()) {
        for (QAccessibleInterface *label : cell->tableCellInterface()->rowHeaderCells())
            related.append({label, QAccessible::Label});
    }
    return related;
}

void *EditorAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant EditorAccessible::currentValue() const
{
    if (const auto *number = qobject_cast<const NumberEditor *>(object()))
        return number->isEmpty() ? QVariant() : QVariant(number->value());
    return static_cast<const QComboBox *>(object())->currentIndex();
}

void EditorAccessible::setCurrentValue(const QVariant &value)
{
    if (auto *number = qobject_cast<NumberEditor *>(object()))
        number->setValue(value.toDouble());
    else
        static_cast<QComboBox *>(object())->setCurrentIndex(value.toInt());
}

QVariant EditorAccessible::maximumValue() const
{
    if (qobject_cast<const NumberEditor *>(object()))
        return spinBoxSettings(editedCell(object())).maximum;
    return static_cast<const QComboBox *>(object())->count() - 1;
}

QVariant EditorAccessible::minimumValue() const
{
    if (qobject_cast<const NumberEditor *>(object()))
        return spinBoxSettings(editedCell(object())).minimum;
    return 0;
}

QVariant EditorAccessible::minimumStepSize() const
{
    if (const auto *number = qobject_cast<const NumberEditor *>(object()))
        return number->singleStep();
    return 1;
}

} // namespace Velmaris
