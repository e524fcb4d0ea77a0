#include <velmaris/host/widgets/StyleHelpers.h>

#include <algorithm>

namespace Velmaris {

QString clearStringIfContainsSpacesExclusively(const QString &text)
{
    const bool onlySpaces = !text.isEmpty()
                            && std::all_of(text.begin(), text.end(),
                                           [](QChar c) { return c.isSpace(); });
    return onlySpaces ? QStringLiteral("") : text;
}

} // namespace Velmaris
