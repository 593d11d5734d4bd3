// Paths as the lists and the window compose them, and where a dropped file is.
#include "platform/filesystem/paths.h"

#include "platform/filesystem/filename.h"

#include <QDir>

#include <cerrno>
#include <climits>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

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

QString workingDirectory()
{
    std::vector<char> buffer(PATH_MAX);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return decodeFileName(QByteArray(buffer.data()));
}

QString firstLocalPath(const QList<QUrl> &urls)
{
    // The path is taken percent-encoded and decoded to bytes here, since QUrl would replace bytes
    // that are not UTF-8.
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            return decodeFileName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    return {};
}
} // namespace platform
