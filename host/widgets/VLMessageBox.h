#pragma once

#include <velmaris/velmaris_host_export.h>

#include <QMessageBox>

class QLabel;

namespace Velmaris {

// The editor's message box. Its text label is reachable, so that a caller can let links in
// the text open in the browser; by default they do not.
class VELMARIS_HOST_EXPORT VLMessageBox : public QMessageBox
{
    Q_OBJECT
public:
    VLMessageBox(QMessageBox::Icon icon, const QString &title, const QString &text,
                 QMessageBox::StandardButtons buttons, QWidget *parent = nullptr,
                 Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    ~VLMessageBox() override;

    QLabel *textLabel() const { return m_textLabel; }

private:
    QLabel *m_textLabel;
};

} // namespace Velmaris
