#include <velmaris/widgets/AccessibleCell.h>

#include <velmaris/widgets/AccessiblePropertyView.h>
#include <velmaris/widgets/CellData.h>
#include <velmaris/widgets/NumberEditor.h>
#include <velmaris/widgets/PropertyCellText.h>
#include <velmaris/widgets/PropertyTreeView.h>

#include <QCoreApplication>
#include <QKeyEvent>

namespace Velmaris {

namespace {

void press(QWidget *target, Qt::Key key, const QString &text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

AccessibleCell::AccessibleCell(PropertyTreeView *view, const QModelIndex &index)
    : m_view(view)
    , m_index(index)
{
}

bool AccessibleCell::isValid() const
{
    return m_view && m_index.isValid();
}

QWindow *AccessibleCell::window() const
{
    return m_view->window()->windowHandle();
}

PropertyViewAccessible *AccessibleCell::viewInterface() const
{
    return PropertyViewAccessible::of(m_view);
}

bool AccessibleCell::isValueCell() const
{
    return has(m_index, ValueCellRole);
}

bool AccessibleCell::isCategory() const
{
    return !PropertyTreeView::valueCellOfRow(m_index).isValid();
}

bool AccessibleCell::isEditable() const
{
    return editable(m_index);
}

QString AccessibleCell::shownText() const
{
    return isValueCell() ? PropertyCellText::valueToString(m_index, m_view->locale()) : m_index.data().toString();
}

QModelIndex AccessibleCell::partner() const
{
    if (isCategory())
        return {};
    return isValueCell() ? labelOf(m_index) : PropertyTreeView::valueCellOfRow(m_index);
}

QWidget *AccessibleCell::editor() const
{
    return m_view->indexWidget(m_index);
}

QVector<QPair<QAccessibleInterface *, QAccessible::Relation>> AccessibleCell::relations(QAccessible::Relation match) const
{
    const QAccessible::Relation wanted = isValueCell() ? QAccessible::Label : QAccessible::Labelled;
    QAccessibleInterface *other = (match & wanted) ? viewInterface()->cellFor(partner()) : nullptr;
    if (!other)
        return {};
    return {{other, wanted}};
}

QAccessibleInterface *AccessibleCell::childAt(int x, int y) const
{
    QAccessibleInterface *open = child(0);
    return open && open->rect().contains(x, y) ? open : nullptr;
}

QAccessibleInterface *AccessibleCell::parent() const
{
    return viewInterface();
}

QAccessibleInterface *AccessibleCell::child(int index) const
{
    QWidget *open = editor();
    return index == 0 && open ? QAccessible::queryAccessibleInterface(open) : nullptr;
}

int AccessibleCell::childCount() const
{
    return editor() ? 1 : 0;
}

int AccessibleCell::indexOfChild(const QAccessibleInterface *child) const
{
    QWidget *open = editor();
    return open && child && child->object() == open ? 0 : -1;
}

QString AccessibleCell::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return isValueCell() ? PropertyCellText::labelledValue(m_index, m_view->locale()) : shownText();
    case QAccessible::Value:
        return isValueCell() ? shownText() : QString();
    case QAccessible::Description:
        return isValueCell() ? PropertyCellText::states(m_index, m_view->locale()).join(QStringLiteral("; ")) : QString();
    default:
        return {};
    }
}

QRect AccessibleCell::rect() const
{
    QRect shown = m_view->visualRect(m_index);
    shown.moveTopLeft(m_view->viewport()->mapToGlobal(shown.topLeft()));
    return shown;
}

QAccessible::Role AccessibleCell::role() const
{
    if (isCategory())
        return m_index.column() == 0 ? QAccessible::Grouping : QAccessible::Cell;
    return isValueCell() ? QAccessible::Cell : QAccessible::RowHeader;
}

QAccessible::State AccessibleCell::state() const
{
    QAccessible::State state;
    const QItemSelectionModel *selection = m_view->selectionModel();
    state.selectable = true;
    state.selected = selection && selection->isSelected(m_index);
    state.focusable = isValueCell();
    state.focused = m_view->hasFocus() && m_view->currentIndex() == m_index;
    state.offscreen = !m_view->viewport()->rect().intersects(m_view->visualRect(m_index));
    state.invisible = state.offscreen;
    state.readOnly = !isEditable();
    state.editable = isEditable() && !has(m_index, BooleanEditorRole);
    if (has(m_index, BooleanEditorRole)) {
        state.checkable = true;
        state.checked = m_index.data(Qt::EditRole).toBool();
        state.checkStateMixed = has(m_index, MixedValueRole);
    }
    if (isCategory() && m_index.column() == 0) {
        state.expandable = true;
        state.expanded = m_view->isExpanded(m_index);
        state.collapsed = !state.expanded;
    }
    return state;
}

void *AccessibleCell::interface_cast(QAccessible::InterfaceType type)
{
    switch (type) {
    case QAccessible::TableCellInterface:
        return static_cast<QAccessibleTableCellInterface *>(this);
    case QAccessible::TextInterface:
        return isValueCell() ? static_cast<QAccessibleTextInterface *>(this) : nullptr;
    case QAccessible::ValueInterface:
        return isValueCell() && has(m_index, NumericEditorRole) ? static_cast<QAccessibleValueInterface *>(this) : nullptr;
    case QAccessible::ActionInterface:
        return static_cast<QAccessibleActionInterface *>(this);
    default:
        return nullptr;
    }
}

bool AccessibleCell::isSelected() const
{
    return state().selected;
}

QList<QAccessibleInterface *> AccessibleCell::columnHeaderCells() const
{
    QAccessibleInterface *header = viewInterface()->child(m_index.column());
    return header ? QList<QAccessibleInterface *>{header} : QList<QAccessibleInterface *>{};
}

QList<QAccessibleInterface *> AccessibleCell::rowHeaderCells() const
{
    QAccessibleInterface *label = isValueCell() ? viewInterface()->cellFor(partner()) : nullptr;
    return label ? QList<QAccessibleInterface *>{label} : QList<QAccessibleInterface *>{};
}

int AccessibleCell::rowIndex() const
{
    return viewInterface()->shownRow(m_index);
}

QAccessibleInterface *AccessibleCell::table() const
{
    return viewInterface();
}

QString AccessibleCell::text(int startOffset, int endOffset) const
{
    return shownText().mid(startOffset, endOffset - startOffset);
}

void AccessibleCell::scrollToSubstring(int, int)
{
    m_view->scrollTo(m_index);
}

QString AccessibleCell::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QVariant AccessibleCell::currentValue() const
{
    const QVariant value = m_index.data(Qt::EditRole);
    return value.userType() == QMetaType::QString ? QVariant() : QVariant(value.toDouble());
}

void AccessibleCell::setCurrentValue(const QVariant &value)
{
    if (!isEditable())
        return;
    m_view->setCurrentIndex(m_index);
    m_view->edit(m_index);
    auto *number = qobject_cast<NumberEditor *>(editor());
    if (!number)
        return;
    number->setValue(value.toDouble());
    press(number, Qt::Key_Return);
}

QVariant AccessibleCell::maximumValue() const
{
    return spinBoxSettings(m_index).maximum;
}

QVariant AccessibleCell::minimumValue() const
{
    return spinBoxSettings(m_index).minimum;
}

QVariant AccessibleCell::minimumStepSize() const
{
    return spinBoxSettings(m_index).singleStep;
}

QStringList AccessibleCell::actionNames() const
{
    if (isCategory())
        return m_index.column() == 0 ? QStringList{toggleAction()} : QStringList{};
    QStringList names{setFocusAction()};
    if (isEditable())
        names.prepend(has(m_index, BooleanEditorRole) ? toggleAction() : pressAction());
    return names;
}

void AccessibleCell::doAction(const QString &name)
{
    if (!actionNames().contains(name))
        return;
    if (isCategory()) {
        m_view->setExpanded(m_index, !m_view->isExpanded(m_index));
        return;
    }
    m_view->setFocus();
    m_view->setCurrentIndex(m_index);
    if (name == toggleAction())
        press(m_view, Qt::Key_Space, QStringLiteral(" "));
    else if (name == pressAction())
        m_view->edit(m_index);
}

QStringList AccessibleCell::keyBindingsForAction(const QString &name) const
{
    if (name == toggleAction())
        return {QStringLiteral("Space")};
    if (name == pressAction())
        return {QStringLiteral("F2")};
    return {};
}

} // namespace Velmaris
