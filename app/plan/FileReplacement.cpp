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

bool writeAll(int descriptor, const QByteArray &bytes)
{
    const char *next = bytes.constData();
    for (auto left = static_cast<std::size_t>(bytes.size()); left > 0;) {
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

} // namespace

bool replaceFile(const QString &path, const QByteArray &bytes, QString *problem)
{
    // A link stays a link: the file it points to is replaced.
    const QFileInfo info(path);
    const QString finalPath = info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray target = QFile::encodeName(finalPath);
    QByteArray temporary = target + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        *problem = causeOf(errno);
        return false;
    }
    const bool written = writeAll(descriptor, bytes) && ::fchmod(descriptor, modeFor(target)) == 0
                         && ::fsync(descriptor) == 0;
    const int writeError = errno;
    const bool closed = ::close(descriptor) == 0;
    const int closeError = errno;
    if (written && closed && ::rename(temporary.constData(), target.constData()) == 0)
        return true;
    *problem = causeOf(!written ? writeError : !closed ? closeError : errno);
    ::unlink(temporary.constData());
    return false;
}

} // namespace VelmarisEditor
