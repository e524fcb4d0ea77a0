#include "app/plan/FileReplacement.h"

namespace VelmarisEditor {

QString backupPathOf(const QString &path)
{
    return path + QStringLiteral(".bak");
}

} // namespace VelmarisEditor
