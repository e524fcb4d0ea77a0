#include <velmaris/widgets/PropertyItemDelegate.h>

#include <velmaris/widgets/CellData.h>
#include <velmaris/widgets/CellMarks.h>
#include <velmaris/widgets/EditorAccessibility.h>
#include <velmaris/widgets/EditorState.h>
#include <velmaris/widgets/MultiLineEditor.h>
#include <velmaris/widgets/NumberEditor.h>
#include <velmaris/widgets/PropertyCellText.h>

#include <velmaris/model/ItemDataRoles.h>

#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace Velmaris {

namespace {

// Wide values get this much more room than their text needs.
constexpr int wideExtraPixels = 80;

bool isEnter(const QKeyEvent *key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

bool isCommitKey(const QKeyEvent *key)
{
    return isEnter(key) || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

// A cell shows this much of a value at most: laid out whole, for painting or measuring, a text
// of megabytes would keep the view busy for seconds.
constexpr int shownLineLength = 4096;
constexpr int shownLines = 100;

// The value's lines as the view shows them: each line longer than any cell is wide is cut (the
// style elides it anyway), and lines past the tallest cell give way to one "…".
QString shownPart(const QString &value)
{
    if (value.size() <= shownLineLength && value.count(QLatin1Char('\n')) < shownLines)
        return QString(value).replace(QLatin1Char('\n'), QChar::LineSeparator);
    QString shown;
    int from = 0;
    for (int line = 0;; ++line) {
        if (line == shownLines) {
            shown += QChar::LineSeparator;
            shown += QChar(0x2026);
            break;
        }
        const int end = value.indexOf(QLatin1Char('\n'), from);
        const int length = (end < 0 ? value.size() : end) - from;
        if (line > 0)
            shown += QChar::LineSeparator;
        shown.append(value.constData() + from, std::min(length, shownLineLength));
        if (end < 0)
            break;
        from = end + 1;
    }
    return shown;
}

QRect checkRect(const QStyleOptionViewItem &option)
{
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, widget);
}

} // namespace

PropertyItemDelegate::PropertyItemDelegate(QObject *parent)
    : VLItemDelegate(parent)
{
}

QWidget *PropertyItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                            const QModelIndex &index) const
{
    // Booleans toggle in place (editorEvent).
    if (!editable(index) || has(index, BooleanEditorRole))
        return nullptr;
    if (has(index, NumericEditorRole)) {
        auto *number = new NumberEditor(parent);
        number->setSettings(spinBoxSettings(index));
        return number;
    }
    if (has(index, EnumEditorRole)) {
        auto *combo = new QComboBox(parent);
        combo->addItems(index.data(EnumLabelsRole).toStringList());
        return combo;
    }
    if (has(index, MultiLineTextRole))
        return new MultiLineEditor(parent);
    if (has(index, SingleLineTextRole))
        return new QLineEdit(parent);
    return nullptr;
}

void PropertyItemDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QVariant value = index.data(Qt::EditRole);
    if (auto *number = qobject_cast<NumberEditor *>(editor)) {
        if (hasValue(value))
            number->setValue(value.toDouble());
        else
            number->clear();
        // Typing replaces the value.
        number->selectAll();
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->setCurrentIndex(combo->findText(index.data(Qt::DisplayRole).toString()));
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(editor)) {
        text->setPlainText(value.toString());
        text->selectAll();
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(value.toString());
    }
    rememberEditorState(editor);
    describeEditor(editor, index);
}

void PropertyItemDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (!editorChanged(editor))
        return;
    if (auto *number = qobject_cast<NumberEditor *>(editor)) {
        if (number->isEmpty() || !number->problem().isEmpty())
            return;
        // Integers stay integers, so that the model compares like with like.
        const bool whole = index.data(Qt::EditRole).userType() == QMetaType::Int;
        model->setData(index, whole ? QVariant(qRound(number->value())) : QVariant(number->value()));
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        model->setData(index, combo->currentText());
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(editor)) {
        model->setData(index, text->toPlainText());
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        model->setData(index, line->text());
    }
}

void PropertyItemDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                const QModelIndex &) const
{
    // Editors may need more than the cell: the number's range, the text's lines.
    const QSize wanted = editor->sizeHint();
    QRect rect = option.rect;
    rect.setWidth(std::max(rect.width(), wanted.width()));
    if (qobject_cast<MultiLineEditor *>(editor))
        rect.setHeight(std::max(rect.height(), wanted.height()));
    editor->setGeometry(rect);
}

void PropertyItemDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    VLItemDelegate::initStyleOption(option, index);
    if (has(index, MarkedLabelRole))
        option->font.setBold(true);
    if (!has(index, ValueCellRole))
        return;
    // Painted from the same words a screen reader and a printed report get.
    option->text = shownPart(PropertyCellText::valueToString(index, groupingLocale(option->locale)));
    if (has(index, BooleanEditorRole)) {
        option->features |= QStyleOptionViewItem::HasCheckIndicator;
        const QVariant value = index.data(Qt::EditRole);
        if (has(index, MixedValueRole))
            option->checkState = Qt::PartiallyChecked;
        else
            option->checkState = value.userType() == QMetaType::Bool && value.toBool() ? Qt::Checked : Qt::Unchecked;
    }
    if (has(index, ReadOnlyRole))
        option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Disabled, QPalette::Text));
}

QString PropertyItemDelegate::cellText(const QModelIndex &index, const QLocale &locale) const
{
    if (has(index, ValueCellRole))
        return PropertyCellText::valueToString(index, groupingLocale(locale)).replace(QLatin1Char('\n'), QChar::LineSeparator);
    QStyleOptionViewItem option;
    option.locale = locale;
    initStyleOption(&option, index);
    return option.text;
}

const QLocale &PropertyItemDelegate::groupingLocale(const QLocale &viewLocale) const
{
    if (!(viewLocale == m_viewLocale)) {
        m_viewLocale = viewLocale;
        m_groupingLocale = viewLocale;
        m_groupingLocale.setNumberOptions(QLocale::DefaultNumberOptions);
    }
    return m_groupingLocale;
}

void PropertyItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int flags = flagsOf(index);
    paintAttentionBackground(painter, option, flags);
    if (const int marks = marksWidth(option, flags); marks > 0) {
        // The selection spans the whole cell; the value's text ends before the marks.
        QStyleOptionViewItem panel = option;
        initStyleOption(&panel, index);
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);
        QStyleOptionViewItem text = option;
        text.rect.setRight(option.rect.right() - marks);
        VLItemDelegate::paint(painter, text, index);
    } else {
        VLItemDelegate::paint(painter, option, index);
    }
    if (flags)
        paintMarks(painter, option, flags);
}

QSize PropertyItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = VLItemDelegate::sizeHint(option, index);
    if (has(index, WideExpressionRole))
        size.rwidth() += wideExtraPixels;
    return size;
}

bool PropertyItemDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                     const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !(flagsOf(index) & AttentionFlag))
        return VLItemDelegate::helpEvent(event, view, option, index);
    const QString reason = PropertyCellText::attentionReason(index, option.locale);
    const QString own = index.data(Qt::ToolTipRole).toString();
    QToolTip::showText(event->globalPos(), own.isEmpty() ? reason : own + QLatin1Char('\n') + reason, view);
    return true;
}

bool PropertyItemDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                       const QModelIndex &index)
{
    if (!has(index, BooleanEditorRole) || !editable(index))
        return VLItemDelegate::editorEvent(event, model, option, index);
    bool toggle = false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        toggle = key == Qt::Key_Space || key == Qt::Key_Select;
        if (!toggle)
            return false;
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        QStyleOptionViewItem checkOption = option;
        initStyleOption(&checkOption, index);
        if (mouse->button() != Qt::LeftButton || !checkRect(checkOption).contains(mouse->pos()))
            return false;
        // The press is taken too, so that a click toggles once and never starts an edit.
        toggle = event->type() == QEvent::MouseButtonRelease;
        break;
    }
    default:
        return false;
    }
    if (toggle)
        model->setData(index, !index.data(Qt::EditRole).toBool());
    return true;
}

bool PropertyItemDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *editor = static_cast<QWidget *>(object);
        if (qobject_cast<MultiLineEditor *>(editor) && isEnter(key) && (key->modifiers() & Qt::ControlModifier)) {
            Q_EMIT commitData(editor);
            Q_EMIT closeEditor(editor, SubmitModelCache);
            return true;
        }
        auto *number = qobject_cast<NumberEditor *>(editor);
        if (number && isCommitKey(key) && editorChanged(number) && !number->problem().isEmpty()) {
            number->showProblem();
            return true;
        }
    }
    return VLItemDelegate::eventFilter(object, event);
}

} // namespace Velmaris
