#pragma once

#include <velmaris/velmaris_widgets_export.h>

#include <velmaris/host/widgets/VLItemDelegate.h>

#include <QLocale>

namespace Velmaris {

// The item delegate of a property view over ProcPlanBaseQItemModel. It reads the roles of
// model/ItemDataRoles.h: a number editor set up from the spin-box record, a combo box of the
// enumeration labels, a check box toggled in place by Space or a click, a line or growing
// multi-line editor, no editor on read-only cells; marks for the state flags (corner:
// changed, tint: attention, stripe: differs from the reference), bold marked labels, more
// room for wide expressions and a tooltip saying why a cell needs attention.
//
// An editor committed without a change writes nothing. A typed number outside the allowed
// range is never cut: Enter and Tab keep the editor open and say why; leaving the editor any
// other way drops the value, as Escape does.
class VELMARIS_WIDGETS_EXPORT PropertyItemDelegate : public VLItemDelegate
{
    Q_OBJECT
public:
    explicit PropertyItemDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // Views hand their locale over without digit grouping; numbers are shown with it. Kept,
    // so that painting a cell copies no locale.
    const QLocale &groupingLocale(const QLocale &viewLocale) const;

    mutable QLocale m_viewLocale;
    mutable QLocale m_groupingLocale;
};

} // namespace Velmaris
