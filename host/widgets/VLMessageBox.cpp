#include "host/widgets/VLMessageBox.h"

#include <QLabel>

#include <utility>

namespace Velmaris {

namespace {

VLMessageBox::ExecInterceptor &interceptor()
{
    static VLMessageBox::ExecInterceptor instance;
    return instance;
}

} // namespace

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

int VLMessageBox::exec()
{
    if (interceptor())
        return interceptor()(*this);
    return QMessageBox::exec();
}

void VLMessageBox::setExecInterceptor(ExecInterceptor replacement)
{
    interceptor() = std::move(replacement);
}

} // namespace Velmaris
