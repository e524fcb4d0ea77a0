#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

#include <cstdint>

namespace VelmarisEditor {

// What a file was when the editor last read or wrote it, so that a change by another program
// can be told from the editor's own. The time and the file number find most changes at once;
// the hash decides when only they moved (a touch, a copy of the same bytes).
struct FileIdentity
{
    bool exists = false;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    QByteArray hash;

    // Not a guard against tampering, only against another program's edits: the fastest will do.
    static constexpr QCryptographicHash::Algorithm hashAlgorithm = QCryptographicHash::Md5;

    // The file's state on disk now, without its hash; exists false when there is none.
    static FileIdentity ofFile(const QString &path);
    // The hash of bytes as hashOfFile gives it for a file holding them.
    static QByteArray hashOf(const char *data, std::size_t size);
    // Adds bytes of any count to a hash.
    static void addToHash(QCryptographicHash &hash, const char *data, std::size_t size);
    // Empty when the file cannot be read.
    static QByteArray hashOfFile(const QString &path);
};

// Whether the file at path holds something else than what identity describes; false when the
// file is gone.
bool changedSince(const FileIdentity &identity, const QString &path);

} // namespace VelmarisEditor
