#include <velmaris/host/widgets/VLItemDelegate.h>

#include <QCoreApplication>

namespace Velmaris {

VLItemDelegate::VLItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QString VLItemDelegate::text(bool value)
{
    return value ? QCoreApplication::translate("VLItemDelegate", "Yes")
                 : QCoreApplication::translate("VLItemDelegate", "No");
}

} // namespace Velmaris
