#include <velmaris/host/widgets/VLMessageBox.h>

#include <QLabel>

namespace Velmaris {

VLMessageBox::VLMessageBox(QMessageBox::Icon icon, const QString &title, const QString &text,
                           QMessageBox::StandardButtons buttons, QWidget *parent,
                           Qt::WindowFlags flags)
    : QMessageBox(icon, title, text, buttons, parent, flags)
    // QMessageBox builds its text label with this object name and keeps it for its lifetime.
    , m_textLabel(findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
{
    // Links in a message open the browser only where the caller asks for it.
    if (m_textLabel)
        m_textLabel->setOpenExternalLinks(false);
}

VLMessageBox::~VLMessageBox() = default;

} // namespace Velmaris
