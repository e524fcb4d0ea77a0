#pragma once

#include <QLabel>
#include <QPointer>

namespace Velmaris {

// A message right below an open editor (above it where the editor's parent has no room
// below), in the editor's parent so that the cell's bounds do not cut it off. Unlike a
// tooltip it stays while it applies, whatever the pointer does, and goes with the editor.
class EditorMessage : public QLabel
{
    Q_OBJECT
public:
    explicit EditorMessage(QWidget *editor);

    // An empty text hides the message.
    void say(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QPointer<QWidget> m_editor;
};

} // namespace Velmaris
