#include "app/ui/PropertyDelegate.h"

#include "model/ItemDataRoles.h"

#include "host/widgets/VLDoubleSpinBoxData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

namespace VelmarisEditor {

namespace {

bool has(const QModelIndex &index, int role) { return index.data(role).toBool(); }

int flagsOf(const QModelIndex &index) { return index.data(Velmaris::StateFlagsRole).toInt(); }

// Wide values get this much more room than their text needs.
constexpr int wideExtraPixels = 80;

} // namespace

PropertyDelegate::PropertyDelegate(QObject *parent)
    : VLItemDelegate(parent)
{
}

QWidget *PropertyDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    if (!has(index, Velmaris::ValueCellRole) || has(index, Velmaris::ReadOnlyRole))
        return nullptr;
    if (has(index, Velmaris::NumericEditorRole)) {
        const auto settings = index.data(Velmaris::SpinBoxDataRole).value<VLDoubleSpinBoxData>();
        auto *spin = new QDoubleSpinBox(parent);
        spin->setDecimals(settings.decimals < 0 ? 2 : settings.decimals);
        spin->setRange(settings.minimum, settings.maximum);
        spin->setSingleStep(settings.singleStep);
        spin->setKeyboardTracking(settings.keyboardTracking);
        spin->setPrefix(settings.prefix);
        if (!settings.suffix.isEmpty())
            spin->setSuffix(QLatin1Char(' ') + settings.suffix);
        return spin;
    }
    if (has(index, Velmaris::EnumEditorRole)) {
        auto *combo = new QComboBox(parent);
        combo->addItems(index.data(Velmaris::EnumLabelsRole).toStringList());
        return combo;
    }
    if (has(index, Velmaris::BooleanEditorRole))
        return new QCheckBox(parent);
    if (has(index, Velmaris::MultiLineTextRole))
        return new QPlainTextEdit(parent);
    if (has(index, Velmaris::SingleLineTextRole))
        return new QLineEdit(parent);
    return VLItemDelegate::createEditor(parent, option, index);
}

void PropertyDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QVariant value = index.data(Qt::EditRole);
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(editor))
        spin->setValue(value.toDouble());
    else if (auto *combo = qobject_cast<QComboBox *>(editor))
        combo->setCurrentText(index.data(Qt::DisplayRole).toString());
    else if (auto *check = qobject_cast<QCheckBox *>(editor))
        check->setChecked(value.toBool());
    else if (auto *text = qobject_cast<QPlainTextEdit *>(editor))
        text->setPlainText(value.toString());
    else if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->setText(value.toString());
    else
        VLItemDelegate::setEditorData(editor, index);
}

void PropertyDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(editor)) {
        // Integers stay integers, so that an unchanged value is not seen as an edit.
        const bool whole = index.data(Qt::EditRole).userType() == QMetaType::Int;
        model->setData(index, whole ? QVariant(qRound(spin->value())) : QVariant(spin->value()));
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        model->setData(index, combo->currentText());
    } else if (auto *check = qobject_cast<QCheckBox *>(editor)) {
        model->setData(index, check->isChecked());
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(editor)) {
        model->setData(index, text->toPlainText());
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        model->setData(index, line->text());
    } else {
        VLItemDelegate::setModelData(editor, model, index);
    }
}

void PropertyDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    VLItemDelegate::initStyleOption(option, index);
    if (has(index, Velmaris::MarkedLabelRole))
        option->font.setBold(true);
    if (has(index, Velmaris::BooleanEditorRole) && index.data(Qt::EditRole).userType() == QMetaType::Bool)
        option->text = text(index.data(Qt::EditRole).toBool());
    if (has(index, Velmaris::NumericEditorRole) && !option->text.isEmpty()) {
        const QString unit = index.data(Velmaris::SpinBoxDataRole).value<VLDoubleSpinBoxData>().suffix;
        if (!unit.isEmpty())
            option->text += QLatin1Char(' ') + unit;
    }
    if (has(index, Velmaris::ReadOnlyRole) && has(index, Velmaris::ValueCellRole))
        option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Disabled, QPalette::Text));
}

void PropertyDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int flags = flagsOf(index);
    painter->save();
    if (flags & Velmaris::AttentionFlag)
        painter->fillRect(option.rect, QColor(255, 196, 0, 70));
    painter->restore();

    VLItemDelegate::paint(painter, option, index);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (flags & Velmaris::ChangedFlag) {
        const QPoint corner = option.rect.topLeft();
        const QPolygon triangle({corner, corner + QPoint(8, 0), corner + QPoint(0, 8)});
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(30, 110, 220));
        painter->drawPolygon(triangle);
    }
    if (flags & Velmaris::ReferenceMismatchFlag)
        painter->fillRect(QRect(option.rect.right() - 3, option.rect.top(), 4, option.rect.height()),
                          QColor(150, 40, 190));
    painter->restore();
}

QSize PropertyDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = VLItemDelegate::sizeHint(option, index);
    if (has(index, Velmaris::WideExpressionRole))
        size.rwidth() += wideExtraPixels;
    return size;
}

} // namespace VelmarisEditor
