#include "app/plan/FileIdentity.h"

#include <QFile>

#include <algorithm>

namespace VelmarisEditor {

QByteArray FileIdentity::hashOf(const char *data, std::size_t size)
{
    QCryptographicHash hash(hashAlgorithm);
    addToHash(hash, data, size);
    return hash.result();
}

void FileIdentity::addToHash(QCryptographicHash &hash, const char *data, std::size_t size)
{
    // Qt 5 counts bytes in an int: a plan may be larger than that.
    constexpr std::size_t piece = 1 << 30;
    for (std::size_t done = 0; done < size; done += piece)
        hash.addData(QByteArray::fromRawData(data + done, static_cast<int>(std::min(piece, size - done))));
}

QByteArray FileIdentity::hashOfFile(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(hashAlgorithm);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

bool changedSince(const FileIdentity &identity, const QString &path)
{
    const FileIdentity now = FileIdentity::ofFile(path);
    // A file that is gone holds nothing a save could overwrite.
    if (!now.exists)
        return false;
    if (!identity.exists)
        return true;
    if (now.size != identity.size)
        return true;
    if (now.modifiedNs == identity.modifiedNs && now.device == identity.device && now.inode == identity.inode)
        return false;
    return FileIdentity::hashOfFile(path) != identity.hash;
}

} // namespace VelmarisEditor
