// Directory reading on POSIX, so that a failure is reported with the system's own reason.
#include "platform/controls/directory.h"

#include "platform/runtime/filename.h"
#include "platform/runtime/runtimeerror.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <utility>
#include <vector>
#include <sys/stat.h>

namespace platform {

DirectoryListing readDirectory(const QString &path)
{
    const QByteArray encoded = encodeFileName(path);
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
        // Links are followed, so a link to a directory is a directory; a broken one is listed as a
        // file. Only links, and entries whose file system gives no type, need a look at the entry.
        bool isDirectory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            isDirectory = ::fstatat(::dirfd(dir.get()), name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        (isDirectory ? listing.subdirectories : listing.files).append(decodeFileName(QByteArray(name)));
        errno = 0;
    }
    if (errno != 0)
        throw RunTimeError::fromErrno(errno, encoded.toStdString());

    sortNames(listing.subdirectories);
    sortNames(listing.files);
    return listing;
}

namespace {

// Only ASCII digits make numbers: other scripts' digits are ordered as letters, so that every
// digit run compares with any other run the same way and the order stays a strict weak ordering.
bool isNumberDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// a against b, run by run: a run of digits by its value, any other run by its characters (with
// the case sensitivity given); a name that runs out first comes first. 0 when alike in that.
int compareByRuns(QStringView a, QStringView b, Qt::CaseSensitivity letters)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digitsA = isNumberDigit(a[i]), digitsB = isNumberDigit(b[j]);
        qsizetype endA = i, endB = j;
        while (endA < a.size() && isNumberDigit(a[endA]) == digitsA)
            ++endA;
        while (endB < b.size() && isNumberDigit(b[endB]) == digitsB)
            ++endB;
        QStringView runA = a.sliced(i, endA - i), runB = b.sliced(j, endB - j);
        int order = 0;
        if (digitsA && digitsB) {
            while (runA.size() > 1 && runA.front() == QLatin1Char('0'))
                runA = runA.sliced(1);
            while (runB.size() > 1 && runB.front() == QLatin1Char('0'))
                runB = runB.sliced(1);
            order = runA.size() != runB.size() ? (runA.size() < runB.size() ? -1 : 1) : runA.compare(runB);
        } else {
            order = runA.compare(runB, letters);
        }
        if (order != 0)
            return order;
        i = endA;
        j = endB;
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size() ? -1 : 1; // the shorter name first
    return 0;
}

} // namespace

bool namesInOrder(const QString &a, const QString &b)
{
    // Case-insensitively, run by run; names alike in that compare by their exact characters.
    const int order = compareByRuns(a, b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

void sortNames(QStringList &names)
{
    // The order of namesInOrder, with each name case-folded once instead of in every comparison
    // (folding is what the case-insensitive comparison does to each character).
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(std::size_t(names.size()));
    for (QString &name : names)
        keyed.emplace_back(name.toCaseFolded(), std::move(name));
    std::sort(keyed.begin(), keyed.end(), [](const auto &x, const auto &y) {
        const int order = compareByRuns(x.first, y.first, Qt::CaseSensitive);
        return order != 0 ? order < 0 : x.second < y.second;
    });
    for (qsizetype k = 0; k < names.size(); ++k)
        names[k] = std::move(keyed[std::size_t(k)].second);
}

bool isWithin(const QString &path, const QString &directory)
{
    if (directory.endsWith(QLatin1Char('/')))
        return path.startsWith(directory);
    return path == directory || path.startsWith(directory + QLatin1Char('/'));
}

QString absolutePath(const QString &base, const QString &path)
{
    if (path.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(path);
    if (path.isEmpty() || base.isEmpty())
        return {}; // no path, or nothing to resolve it against (a working directory that is gone)
    return QDir::cleanPath(base + QLatin1Char('/') + path);
}

QString joinPath(const QString &directory, const QString &name)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory + name;
    return directory + QLatin1Char('/') + name;
}

bool isDirectory(const QString &path)
{
    struct stat info {};
    return ::stat(encodeFileName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace platform
