// What saving and watching a plan file need of a POSIX file system.
#include "app/plan/FileReplacement.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace VelmarisEditor {

namespace {

// Qt's file classes give only a text, and for a file-size limit not even a telling one.
QString causeOf(int error)
{
    switch (error) {
    case EFBIG: return QStringLiteral("file size limit exceeded");
    case ENOSPC: return QStringLiteral("no space left on device");
    case EDQUOT: return QStringLiteral("disk quota exceeded");
    default: break;
    }
    // Lower case like the causes above, as it follows a colon within the message.
    QString cause = QString::fromLocal8Bit(std::strerror(error));
    if (!cause.isEmpty())
        cause[0] = cause.at(0).toLower();
    return cause;
}

bool writeAll(int descriptor, const char *next, std::size_t left)
{
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// The replaced file keeps its permissions; a new one gets those the user's umask gives.
mode_t modeFor(const QByteArray &target)
{
    struct stat existing{};
    if (::stat(target.constData(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool copyFile(const QByteArray &from, const QByteArray &to)
{
    const int source = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return false;
    const int copy = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modeFor(from));
    bool copied = copy >= 0;
    char buffer[1 << 16];
    for (ssize_t n; copied && (n = ::read(source, buffer, sizeof buffer)) != 0;)
        copied = (n > 0 && writeAll(copy, buffer, static_cast<std::size_t>(n))) || (n < 0 && errno == EINTR);
    const int error = errno;
    ::close(source);
    if (copy >= 0)
        copied = ::close(copy) == 0 && copied;
    errno = error;
    return copied;
}

// The file as it is becomes the backup, replacing the one before: a second name for the same
// data where the file system allows it, a copy where it does not (FAT drives).
bool keepBackup(const QByteArray &target, const QByteArray &backup)
{
    struct stat existing{};
    if (::lstat(target.constData(), &existing) != 0)
        return errno == ENOENT;
    const QByteArray staging = backup + ".new";
    ::unlink(staging.constData());
    if (::link(target.constData(), staging.constData()) != 0 && !copyFile(target, staging)) {
        const int error = errno;
        ::unlink(staging.constData());
        errno = error;
        return false;
    }
    return ::rename(staging.constData(), backup.constData()) == 0;
}

// Without it a crash soon after the save may bring back the old name or none.
void syncFolderOf(const QString &path)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder); // some file systems cannot; the file itself is already on the disk
    ::close(folder);
}

} // namespace

FileIdentity FileIdentity::ofFile(const QString &path)
{
    FileIdentity identity;
    struct stat status{};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return identity;
    identity.exists = true;
    identity.size = status.st_size;
    identity.modifiedNs = std::int64_t(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    identity.device = status.st_dev;
    identity.inode = status.st_ino;
    return identity;
}

bool isReadOnlyFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status{};
    if (::stat(name.constData(), &status) != 0)
        return false;
    return (status.st_mode & 0222) == 0 || ::access(name.constData(), W_OK) != 0;
}

bool replaceFile(const QString &path, const ContentProducer &produce, FileIdentity *written, QString *problem)
{
    const QFileInfo info(path);
    const QString finalPath = info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray target = QFile::encodeName(finalPath);
    QByteArray temporary = target + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        *problem = causeOf(errno);
        return false;
    }
    QCryptographicHash hash(FileIdentity::hashAlgorithm);
    int error = 0;
    const ByteSink sink = [&](const char *data, std::size_t size) {
        if (!writeAll(descriptor, data, size)) {
            error = errno;
            return false;
        }
        FileIdentity::addToHash(hash, data, size);
        return true;
    };
    bool done = produce(sink);
    if (done && (::fchmod(descriptor, modeFor(target)) != 0 || ::fsync(descriptor) != 0)) {
        error = errno;
        done = false;
    }
    if (::close(descriptor) != 0 && done) {
        error = errno;
        done = false;
    }
    const QString backup = backupPathOf(finalPath);
    if (done && !keepBackup(target, QFile::encodeName(backup))) {
        *problem = QStringLiteral("the previous version cannot be kept as %1: %2")
                       .arg(QFileInfo(backup).fileName(), causeOf(errno));
        ::unlink(temporary.constData());
        return false;
    }
    if (done && ::rename(temporary.constData(), target.constData()) != 0) {
        error = errno;
        done = false;
    }
    if (!done) {
        ::unlink(temporary.constData());
        *problem = error ? causeOf(error) : QString();
        return false;
    }
    syncFolderOf(finalPath);
    *written = FileIdentity::ofFile(finalPath);
    written->hash = hash.result();
    return true;
}

} // namespace VelmarisEditor
