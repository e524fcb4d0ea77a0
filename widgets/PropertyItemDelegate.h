#pragma once

#include <velmaris/velmaris_widgets_export.h>

#include <velmaris/host/widgets/VLItemDelegate.h>

#include <QLocale>

namespace Velmaris {

/// The item delegate of a property view over ProcPlanBaseQItemModel. It reads the roles of
/// velmaris/model/ItemDataRoles.h: a number editor set up from the spin-box record, a combo box of the
/// enumeration labels, a check box toggled in place by Space or a click, a line or growing
/// multi-line editor, no editor on read-only cells; marks for the state flags, each with a
/// shape of its own and colours of the palette (corner: changed, hatching and "!": attention,
/// stripe and "≠": differs from the reference), bold marked labels, more room for wide
/// expressions and a tooltip saying why a cell needs attention. Its texts are those of
/// PropertyCellText; an open editor is named after its property for screen readers.
///
/// An editor committed without a change writes nothing. Numbers are typed as the view's locale
/// writes them. A typed number outside the allowed range is never cut, nor is text that is no
/// number reinterpreted: Enter and Tab keep the editor open and say why beside it; leaving the
/// editor any other way drops the value, as Escape does.
class VELMARIS_WIDGETS_EXPORT PropertyItemDelegate : public VLItemDelegate
{
    Q_OBJECT
public:
    /// A delegate for any view of the model; the view (or \p parent) owns it.
    explicit PropertyItemDelegate(QObject *parent = nullptr);

    /// The editor the cell's roles ask for; none for read-only cells and check boxes.
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    /// Shows the cell's value and remembers it, so that an unchanged commit writes nothing.
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    /// Writes the edited value through the model's setData, only when the user changed it.
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    /// Places the editor over the cell, wider for wide expressions, taller for growing text.
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    /// Draws the value in the interface's number format with the marks of its state flags.
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    /// Room for the value's text, more for wide expressions.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    /// The cell's text as the view shows it: numbers in \p locale's format with their unit,
    /// booleans in words; for a host that shows the cells elsewhere, a printed report say. A
    /// text is given whole, where a cell shows up to 100 lines of up to 4 096 characters.
    QString cellText(const QModelIndex &index, const QLocale &locale = QLocale()) const;
    /// Tooltips, with the reason an attention cell needs attention.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    /// The value's text in the interface's number format; check boxes beside their text.
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    /// Toggles a check box in place on Space or a click, through a real edit.
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    /// Enter, Tab and Escape on the editors: commit, move on, cancel; numbers that cannot be stored stay open.
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // Views hand their locale over without digit grouping; numbers are shown with it. Kept,
    // so that painting a cell copies no locale.
    const QLocale &groupingLocale(const QLocale &viewLocale) const;

    mutable QLocale m_viewLocale;
    mutable QLocale m_groupingLocale;
};

} // namespace Velmaris
