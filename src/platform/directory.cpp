// Directory reading on POSIX, so that a failure is reported with the system's own reason.
#include "platform/directory.h"

#include "platform/runtimeerror.h"

#include <QCollator>
#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace platform {

DirectoryListing readDirectory(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (path.isEmpty() || encoded.contains('\0'))
        throw RunTimeError(RunTimeError::PathNotFound, encoded.toStdString());

    std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(encoded.constData()), &::closedir);
    if (!dir) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            throw RunTimeError(RunTimeError::PathNotFound, encoded.toStdString(), "No such directory");
        throw RunTimeError::fromErrno(error, encoded.toStdString());
    }

    DirectoryListing listing;
    errno = 0;
    while (const dirent *entry = ::readdir(dir.get())) {
        const char *name = entry->d_name;
        if (name[0] == '.') // ".", ".." and hidden entries
            continue;
        struct stat info {};
        // Links are followed, so a link to a directory is a directory; a broken one is listed as a file.
        const bool isDirectory = ::fstatat(::dirfd(dir.get()), name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        (isDirectory ? listing.subdirectories : listing.files).append(QFile::decodeName(name));
        errno = 0;
    }
    if (errno != 0)
        throw RunTimeError::fromErrno(errno, encoded.toStdString());

    sortNames(listing.subdirectories);
    sortNames(listing.files);
    return listing;
}

void sortNames(QStringList &names)
{
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b; // names equal but for case keep a fixed order
    });
}

QString joinPath(const QString &directory, const QString &name)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory + name;
    return directory + QLatin1Char('/') + name;
}

} // namespace platform
