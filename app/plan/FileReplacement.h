#pragma once

#include "app/plan/FileIdentity.h"

#include <QString>

#include <functional>

namespace VelmarisEditor {

// Takes the next bytes of a file; false when they could not be written.
using ByteSink = std::function<bool(const char *data, std::size_t size)>;
// Hands a file's content to the sink piece by piece; false when it could not produce all of it.
using ContentProducer = std::function<bool(const ByteSink &sink)>;

// Where a save keeps the version of the file it replaced: "plan.json.bak" beside "plan.json".
QString backupPathOf(const QString &path);

// An existing file that nobody may write, or this user may not: saving must not replace it,
// though the folder would allow it (and root would).
bool isReadOnlyFile(const QString &path);

// Writes the content to a new file beside path and renames it over path only when all of it
// reached the disk, so that on failure the previous file is left as it was; the previous file
// is kept as backupPathOf(path) first, and the folder is flushed after the rename. A link stays
// a link: the file it points to is replaced. On success written describes the new file. On
// failure problem names the cause, such as "no space left on device", or stays empty when the
// producer failed without a write failing.
bool replaceFile(const QString &path, const ContentProducer &produce, FileIdentity *written, QString *problem);

} // namespace VelmarisEditor
