// Directory reading on POSIX, so that a failure is reported with the system's own reason.
#include "platform/filesystem/directoryreader.h"

#include "platform/fileruntime/runtimeerror.h"
#include "platform/filesystem/filename.h"
#include "platform/filesystem/nameorder.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <fcntl.h>
#include <memory>
#include <utility>
#include <dirent.h>
#include <sys/stat.h>

namespace platform {

struct DirectoryReader::Open
{
    Open() = default;
    ~Open()
    {
        if (dir)
            ::closedir(dir);
    }
    Open(const Open &) = delete;
    Open &operator=(const Open &) = delete;

    DIR *dir = nullptr;
};

DirectoryReader::DirectoryReader(const QString &path, Wanted wanted)
    : wanted(wanted)
    , where(encodeFileName(path))
    , open(std::make_unique<Open>())
{
    if (path.isEmpty() || where.contains('\0'))
        throw RunTimeError(RunTimeError::PathNotFound, where.toStdString());
    open->dir = ::opendir(where.constData());
    if (!open->dir) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            throw RunTimeError(RunTimeError::PathNotFound, where.toStdString(), QT_TRANSLATE_NOOP("RunTimeError", "No such directory"));
        throw RunTimeError::fromErrno(error, where.toStdString(), RunTimeError::Subject::Folder);
    }
}

DirectoryReader::~DirectoryReader() = default;

bool DirectoryReader::read(qsizetype count)
{
    for (; count > 0; --count) {
        errno = 0;
        const dirent *entry = ::readdir(open->dir);
        if (!entry) {
            if (errno != 0)
                throw RunTimeError::fromErrno(errno, where.toStdString(), RunTimeError::Subject::Folder);
            return true;
        }
        const char *name = entry->d_name;
        if (name[0] == '.') // ".", ".." and hidden entries
            continue;
        // Links are followed, so a link to a directory is a directory; a broken one is listed as a
        // file. Only links, and entries whose file system gives no type, need a look at the entry.
        bool isDirectory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            isDirectory = ::fstatat(::dirfd(open->dir), name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        if (isDirectory)
            listing.subdirectories.append(decodeFileName(QByteArrayView(name)));
        else if (wanted == Wanted::Everything)
            listing.files.append(decodeFileName(QByteArrayView(name)));
    }
    return false;
}

DirectoryListing DirectoryReader::take()
{
    sortNames(listing.subdirectories);
    sortNames(listing.files);
    return std::move(listing);
}

DirectoryListing readDirectory(const QString &path, DirectoryReader::Wanted wanted)
{
    DirectoryReader reader(path, wanted);
    while (!reader.read(std::numeric_limits<qsizetype>::max())) {
    }
    return reader.take();
}

} // namespace platform
