// Directory reading on POSIX, so that a failure is reported with the system's own reason.
#include "platform/controls/directory.h"

#include "platform/runtime/filename.h"
#include "platform/runtime/runtimeerror.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <fcntl.h>
#include <memory>
#include <utility>
#include <vector>
#include <sys/stat.h>

namespace platform {

DirectoryReader::DirectoryReader(const QString &path, Wanted wanted)
    : dir(nullptr, &::closedir)
    , wanted(wanted)
    , where(encodeFileName(path))
{
    if (path.isEmpty() || where.contains('\0'))
        throw RunTimeError(RunTimeError::PathNotFound, where.toStdString());
    dir.reset(::opendir(where.constData()));
    if (!dir) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            throw RunTimeError(RunTimeError::PathNotFound, where.toStdString(), "No such directory");
        throw RunTimeError::fromErrno(error, where.toStdString(), RunTimeError::Subject::Folder);
    }
}

bool DirectoryReader::read(qsizetype count)
{
    for (; count > 0; --count) {
        errno = 0;
        const dirent *entry = ::readdir(dir.get());
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
            isDirectory = ::fstatat(::dirfd(dir.get()), name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        if (isDirectory)
            listing.subdirectories.append(decodeFileName(QByteArray(name)));
        else if (wanted == Wanted::Everything)
            listing.files.append(decodeFileName(QByteArray(name)));
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

namespace {

// Only ASCII digits make numbers: other scripts' digits are ordered as letters, so that every
// digit run compares with any other run the same way and the order stays a strict weak ordering.
bool isNumberDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A key of a case-folded name that compares, unit by unit as a plain string, the way a person
// orders names: run by run, a run of digits by its value, any other run by its characters
// case-insensitively, a name that runs out first first. A text run is its characters and a 0 that
// ends it (so a shorter run comes first); a digit run is a '0' (which, like any digit, orders it
// against a text run by the first character, since a text run never starts with a digit), its
// length without leading zeros, and those digits. Names hold no U+0000, so no character can be confused with the end of a run.
QString sortKey(QStringView folded)
{
    QString key;
    key.reserve(folded.size() + 8);
    for (qsizetype i = 0; i < folded.size();) {
        qsizetype end = i;
        if (!isNumberDigit(folded[i])) {
            while (end < folded.size() && !isNumberDigit(folded[end]))
                ++end;
            key.append(folded.sliced(i, end - i));
            key.append(QChar(0));
        } else {
            while (end < folded.size() && isNumberDigit(folded[end]))
                ++end;
            qsizetype first = i;
            while (first + 1 < end && folded[first] == QLatin1Char('0'))
                ++first;
            const auto length = static_cast<std::uint32_t>(end - first);
            key.append(QLatin1Char('0'));
            key.append(QChar(static_cast<char16_t>(length >> 16)));
            key.append(QChar(static_cast<char16_t>(length & 0xFFFF)));
            key.append(folded.sliced(first, end - first));
        }
        i = end;
    }
    return key;
}

} // namespace

void sortNames(QStringList &names)
{
    // Each name is turned into a key once, so that each of the many comparisons of a large
    // directory is a plain comparison of two strings.
    struct Keyed
    {
        QString key;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(std::size_t(names.size()));
    for (QString &name : names)
        keyed.push_back({ sortKey(name.toCaseFolded()), std::move(name) });
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &x, const Keyed &y) {
        const int order = QStringView(x.key).compare(y.key);
        return order != 0 ? order < 0 : x.name < y.name;
    });
    for (qsizetype k = 0; k < names.size(); ++k)
        names[k] = std::move(keyed[std::size_t(k)].name);
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
