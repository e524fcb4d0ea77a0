#pragma once

#include <velmaris/velmaris_host_export.h>

#include <QMessageBox>

class QLabel;

namespace Velmaris {

/// \addtogroup hoststandin
/// @{

/// The editor's message box. Its text label is reachable, so that a caller can let links in
/// the text open in the browser; by default they do not.
class VELMARIS_HOST_EXPORT VLMessageBox : public QMessageBox
{
    Q_OBJECT
public:
    /// A QMessageBox with the same arguments, its links kept from opening.
    VLMessageBox(QMessageBox::Icon icon, const QString &title, const QString &text,
                 QMessageBox::StandardButtons buttons, QWidget *parent = nullptr,
                 Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    ~VLMessageBox() override;

    /// The label showing the text, owned by the box; null should Qt ever stop naming it
    /// "qt_msgbox_label".
    QLabel *textLabel() const { return m_textLabel; }

private:
    QLabel *m_textLabel;
};

/// @}

} // namespace Velmaris
