#include "host/widgets/StyleHelpers.h"

#include <QCoreApplication>

#include <algorithm>

namespace Velmaris {

QString clearStringIfContainsSpacesExclusively(const QString &text)
{
    const bool onlySpaces = !text.isEmpty()
                            && std::all_of(text.begin(), text.end(),
                                           [](QChar c) { return c.isSpace(); });
    return onlySpaces ? QStringLiteral("") : text;
}

QVariant getApplicationDefinedStyleProperty(const char *name)
{
    const QCoreApplication *application = QCoreApplication::instance();
    return application ? application->property(name) : QVariant();
}

} // namespace Velmaris
