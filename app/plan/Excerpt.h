#pragma once

#include <QString>

namespace VelmarisEditor {

// Text from a file as a message may show it: on one line, whatever the file holds, with
// control characters written as in JSON (\n, \u0000).
QString escaped(const QString &text);
// The same, cut to 60 characters with "…", so that a huge value cannot flood a message.
QString excerpt(const QString &text);

} // namespace VelmarisEditor
