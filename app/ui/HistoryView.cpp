#include "app/ui/HistoryView.h"

#include <QHelpEvent>
#include <QToolTip>

namespace VelmarisEditor {

HistoryView::HistoryView(QUndoGroup *group, QWidget *parent)
    : QUndoView(group, parent)
{
    // Qt's own label comes from Qt's translations, which the editor does not ship.
    setEmptyLabel(tr("<empty>"));
}

bool HistoryView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QUndoView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex entry = indexAt(help->pos());
    if (entry.isValid() && sizeHintForIndex(entry).width() > viewport()->width())
        QToolTip::showText(help->globalPos(), entry.data().toString(), viewport(), visualRect(entry));
    else
        QToolTip::hideText();
    return true;
}

} // namespace VelmarisEditor
