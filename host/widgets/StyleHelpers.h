#pragma once

#include <velmaris/velmaris_host_export.h>

#include <QString>
#include <QVariant>

namespace Velmaris {

/// \addtogroup hoststandin
/// @{

/// Empty when the text is made of white space only (blanks, tabs, line breaks, no-break
/// spaces); any other text unchanged.
VELMARIS_HOST_EXPORT QString clearStringIfContainsSpacesExclusively(const QString &text);

/// A style value the application set as a property of its application object ("vlFont",
/// "vlFontSize"); an invalid variant when it is not set, @p name is null or there is no
/// application. Cached on the application's thread, yet never stale: a changed property is
/// read anew.
VELMARIS_HOST_EXPORT QVariant getApplicationDefinedStyleProperty(const char *name);

/// @}

} // namespace Velmaris
