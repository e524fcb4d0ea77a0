#pragma once

#include <QUndoView>

namespace VelmarisEditor {

// The undo history as the History panel lists it: a translated first entry, and the whole
// description as a tooltip wherever the panel's width cuts one off.
class HistoryView : public QUndoView
{
    Q_OBJECT
public:
    explicit HistoryView(QUndoGroup *group, QWidget *parent = nullptr);

protected:
    bool viewportEvent(QEvent *event) override;
};

} // namespace VelmarisEditor
