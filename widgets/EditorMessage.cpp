#include <velmaris/widgets/EditorMessage.h>

#include <QEvent>

namespace Velmaris {

EditorMessage::EditorMessage(QWidget *editor)
    : QLabel(editor->parentWidget())
    , m_editor(editor)
{
    setWordWrap(true);
    setFrameShape(QFrame::Box);
    setMargin(3);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    // Clicks go to the rows it covers, as they would without it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    editor->installEventFilter(this);
    // A sibling outlives its editor unless told otherwise.
    connect(editor, &QObject::destroyed, this, &QObject::deleteLater);
}

void EditorMessage::say(const QString &text)
{
    setText(text);
    const bool shown = !text.isEmpty() && m_editor && m_editor->isVisible();
    if (shown)
        place();
    setVisible(shown);
}

bool EditorMessage::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        place();
        break;
    case QEvent::Show:
        say(text());
        break;
    case QEvent::Hide:
        hide();
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}

void EditorMessage::place()
{
    if (!m_editor || !parentWidget())
        return;
    const QRect anchor = m_editor->geometry();
    const int height = heightForWidth(anchor.width());
    const bool roomBelow = anchor.bottom() + height < parentWidget()->height();
    setGeometry(anchor.left(), roomBelow ? anchor.bottom() + 1 : anchor.top() - height, anchor.width(), height);
    raise();
}

} // namespace Velmaris
