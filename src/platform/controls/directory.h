// Reading one directory: its subdirectories and its files, hidden ones left out, in a person's order.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <dirent.h>
#include <memory>

namespace platform {

struct DirectoryListing
{
    QStringList subdirectories;
    // Everything that is not a directory: regular files, and also links, pipes and devices,
    // which the viewer refuses when they are opened rather than hiding them.
    QStringList files;
};

// Reads one directory a number of entries at a time, so that a large one can be read on elsewhere.
class DirectoryReader
{
public:
    enum class Wanted { Everything, SubdirectoriesOnly };

    // Opens path. Throws RunTimeError when it does not exist, is not a directory or cannot be read.
    explicit DirectoryReader(const QString &path, Wanted wanted = Wanted::Everything);
    // Reads up to count more entries; true once the end is reached. Throws RunTimeError on a failure.
    bool read(qsizetype count);
    // What was read, each list sorted with sortNames().
    DirectoryListing take();

private:
    std::unique_ptr<DIR, int (*)(DIR *)> dir;
    Wanted wanted;
    QByteArray where;
    DirectoryListing listing;
};

// Lists path whole, or only its subdirectories (leaving the files empty). Throws RunTimeError when
// it does not exist, is not a directory or cannot be read.
DirectoryListing readDirectory(const QString &path, DirectoryReader::Wanted wanted = DirectoryReader::Wanted::Everything);

// Sorts names the way a person expects: letters case-insensitively, digit runs by value; names
// alike in that by their exact characters.
void sortNames(QStringList &names);

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
