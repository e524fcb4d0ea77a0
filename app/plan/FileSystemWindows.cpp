// What saving and watching a plan file need of a Windows file system, through the wide API so
// that any name the user can give works.
#include "app/plan/FileReplacement.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <string>

#include <windows.h>

namespace VelmarisEditor {

namespace {

std::wstring nativeName(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// The causes a user can act on are worded as on the other systems (NTFS reports an exceeded
// quota as a full disk).
QString causeOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_TOO_LARGE: return QStringLiteral("file size limit exceeded");
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return QStringLiteral("no space left on device");
    default: break;
    }
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    QString cause = QString::fromWCharArray(text, static_cast<int>(length)).trimmed();
    LocalFree(text);
    // Lower case and without its full stop, as it follows a colon within the message.
    if (cause.endsWith(QLatin1Char('.')))
        cause.chop(1);
    if (!cause.isEmpty())
        cause[0] = cause.at(0).toLower();
    return cause;
}

bool writeAll(HANDLE file, const char *next, std::size_t left)
{
    while (left > 0) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(left, std::size_t(1) << 30));
        DWORD written = 0;
        if (!WriteFile(file, next, piece, &written, nullptr) || written == 0)
            return false;
        next += written;
        left -= written;
    }
    return true;
}

// A new file beside the target under a name nobody has: CREATE_NEW refuses an existing one.
HANDLE createTemporary(const std::wstring &target, std::wstring *name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = target + L"." + std::to_wstring(QRandomGenerator::global()->generate()) + L".tmp";
        const HANDLE file = CreateFileW(name->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

// The file as it is becomes the backup, replacing the one before: a second name for the same
// data where the file system allows it (NTFS), a copy where it does not (FAT drives).
bool keepBackup(const std::wstring &target, const std::wstring &backup)
{
    if (GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    const std::wstring staging = backup + L".new";
    DeleteFileW(staging.c_str());
    if (!CreateHardLinkW(staging.c_str(), target.c_str(), nullptr)
        && !CopyFileW(target.c_str(), staging.c_str(), TRUE)) {
        const DWORD error = GetLastError();
        DeleteFileW(staging.c_str());
        SetLastError(error);
        return false;
    }
    return MoveFileExW(staging.c_str(), backup.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// An existing file is replaced keeping its access list and attributes, as the POSIX path keeps
// its permissions; a new one takes the folder's.
bool putInPlace(const std::wstring &temporary, const std::wstring &target)
{
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
        return ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                            nullptr, nullptr);
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
}

} // namespace

FileIdentity FileIdentity::ofFile(const QString &path)
{
    FileIdentity identity;
    const HANDLE file = CreateFileW(nativeName(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return identity;
    BY_HANDLE_FILE_INFORMATION status{};
    const bool known = GetFileInformationByHandle(file, &status);
    CloseHandle(file);
    if (!known)
        return identity;
    identity.exists = true;
    identity.size = (std::int64_t(status.nFileSizeHigh) << 32) | status.nFileSizeLow;
    // In 100-nanosecond ticks.
    identity.modifiedNs = ((std::int64_t(status.ftLastWriteTime.dwHighDateTime) << 32)
                           | status.ftLastWriteTime.dwLowDateTime) * 100;
    identity.device = status.dwVolumeSerialNumber;
    identity.inode = (std::uint64_t(status.nFileIndexHigh) << 32) | status.nFileIndexLow;
    return identity;
}

bool isReadOnlyFile(const QString &path)
{
    const std::wstring name = nativeName(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return true;
    // The access list may still refuse this user.
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_ACCESS_DENIED;
    CloseHandle(file);
    return false;
}

bool replaceFile(const QString &path, const ContentProducer &produce, FileIdentity *written, QString *problem)
{
    const QFileInfo info(path);
    const QString finalPath = info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const std::wstring target = nativeName(finalPath);
    std::wstring temporary;
    const HANDLE file = createTemporary(target, &temporary);
    if (file == INVALID_HANDLE_VALUE) {
        *problem = causeOf(GetLastError());
        return false;
    }
    QCryptographicHash hash(FileIdentity::hashAlgorithm);
    DWORD error = 0;
    const ByteSink sink = [&](const char *data, std::size_t size) {
        if (!writeAll(file, data, size)) {
            error = GetLastError();
            return false;
        }
        FileIdentity::addToHash(hash, data, size);
        return true;
    };
    bool done = produce(sink);
    if (done && !FlushFileBuffers(file)) {
        error = GetLastError();
        done = false;
    }
    if (!CloseHandle(file) && done) {
        error = GetLastError();
        done = false;
    }
    const QString backup = backupPathOf(finalPath);
    if (done && !keepBackup(target, nativeName(backup))) {
        *problem = QStringLiteral("the previous version cannot be kept as %1: %2")
                       .arg(QFileInfo(backup).fileName(), causeOf(GetLastError()));
        DeleteFileW(temporary.c_str());
        return false;
    }
    if (done && !putInPlace(temporary, target)) {
        error = GetLastError();
        done = false;
    }
    if (!done) {
        DeleteFileW(temporary.c_str());
        *problem = error ? causeOf(error) : QString();
        return false;
    }
    *written = FileIdentity::ofFile(finalPath);
    written->hash = hash.result();
    return true;
}

} // namespace VelmarisEditor
