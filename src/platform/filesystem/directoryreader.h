// Reading one directory: its subdirectories and its files, hidden ones left out, in a person's order.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

    ~DirectoryReader();

private:
    struct Open; // the system's handle of the open directory
    Wanted wanted;
    QByteArray where;
    std::unique_ptr<Open> open;
    DirectoryListing listing;
};

// Lists path whole, or only its subdirectories (leaving the files empty). Throws RunTimeError when
// it does not exist, is not a directory or cannot be read.
DirectoryListing readDirectory(const QString &path, DirectoryReader::Wanted wanted = DirectoryReader::Wanted::Everything);

} // namespace platform
