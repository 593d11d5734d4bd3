// Paths as the lists and the window compose them: absolute, joined, compared, and dropped on the window.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace platform {

// Whether path is directory itself or lies below it (a root "/" holds every absolute path).
bool isWithin(const QString &path, const QString &directory);

// path made absolute against base (an absolute directory) and cleaned of "." and ".." steps;
// empty when path is empty, or relative with no base.
QString absolutePath(const QString &base, const QString &path);

// The path of name inside directory, with one separator between them, none added after a root "/".
QString joinPath(const QString &directory, const QString &name);

// Whether path names a directory (following links); false when it cannot be examined.
bool isDirectory(const QString &path);

// The working directory, decoded as file names are; empty if it cannot be read (it was deleted, say).
QString workingDirectory();

// The exact path of the first local file among urls (a drag's items, say); empty if none is local.
QString firstLocalPath(const QList<QUrl> &urls);

} // namespace platform
