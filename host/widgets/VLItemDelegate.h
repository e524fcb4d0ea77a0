#pragma once

#include <velmaris/velmaris_host_export.h>

#include <QStyledItemDelegate>

namespace Velmaris {

/// \addtogroup hoststandin
/// @{

/// Base of the editor's property delegates; also names boolean values where no check box is drawn.
class VELMARIS_HOST_EXPORT VLItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    /// A plain QStyledItemDelegate; the view (or @p parent) owns it.
    explicit VLItemDelegate(QObject *parent = nullptr);

    /// "Yes" or "No", translated in the context "VLItemDelegate".
    static QString text(bool value);
};

/// @}

} // namespace Velmaris
