// Reading one directory: its subdirectories and its files, hidden ones left out, in reading order.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

struct DirectoryListing
{
    QStringList subdirectories;
    // Everything that is not a directory: regular files, and also links, pipes and devices,
    // which the viewer refuses when they are opened rather than hiding them.
    QStringList files;
};

// Lists path. Throws RunTimeError when it does not exist, is not a directory or cannot be read.
DirectoryListing readDirectory(const QString &path);

// Sorts names the way a person expects: letters case-insensitively, digit runs by value.
void sortNames(QStringList &names);
// The order sortNames() uses: whether a comes before b. A strict weak ordering over all names.
bool namesInOrder(const QString &a, const QString &b);

// Whether path is directory itself or lies below it (a root "/" holds every absolute path).
bool isWithin(const QString &path, const QString &directory);

// path made absolute against base (an absolute directory) and cleaned of "." and ".." steps;
// empty when path is empty, or relative with no base.
QString absolutePath(const QString &base, const QString &path);

// The path of name inside directory, with one separator between them, none added after a root "/".
QString joinPath(const QString &directory, const QString &name);

// Whether path names a directory (following links); false when it cannot be examined.
bool isDirectory(const QString &path);

} // namespace platform
