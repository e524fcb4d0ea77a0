#pragma once

#include <QByteArray>
#include <QString>

namespace VelmarisEditor {

// Writes bytes to a new file beside path and renames it over path only when all of it reached
// the disk, so that on failure the previous file is left as it was. The failure's cause, such
// as "no space left on device", goes to problem.
bool replaceFile(const QString &path, const QByteArray &bytes, QString *problem);

} // namespace VelmarisEditor
