#pragma once

#include "host/widgets/VLItemDelegate.h"

namespace VelmarisEditor {

// Opens the editor that a value cell's markers ask for (spin box, combo box, check box, line
// or text edit; none on read-only cells) and draws the state marks: a corner for changed, a
// tint for attention, a stripe for a reference mismatch, bold for marked labels.
class PropertyDelegate : public Velmaris::VLItemDelegate
{
    Q_OBJECT
public:
    explicit PropertyDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace VelmarisEditor
