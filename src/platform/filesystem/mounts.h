// A drive: a mounted file system a user browses, with its mount point, label and starting directory.
#pragma once

#include <QList>
#include <QString>

namespace platform {

struct MountedDrive
{
    QString root;    // the mount point, e.g. "/" or "/media/anna/DISK"
    QString label;   // the volume label; may be empty
    QString current; // where moving to this drive goes: the working directory or the mount point

    // The text the drive list shows: the mount point, then the label in brackets if there is one.
    QString displayText() const;
    bool operator==(const MountedDrive &other) const = default;
};

// Whether a mount is one a user would browse: the root, and the other mounts of real storage
// (block devices and network shares); not kernel, memory or container file systems.
bool isBrowsableMount(const QString &root, const QString &device, const QString &fileSystemType);

// The browsable mounts of this machine, sorted by mount point.
QList<MountedDrive> systemDrives(const QString &workingDirectory);

// The index of the drive that holds path: the one whose mount point is its longest prefix; -1 if none.
int driveHolding(const QList<MountedDrive> &drives, const QString &path);

// Sets each drive's current directory: the working directory for the drive that holds it,
// the mount point for every other one.
void assignCurrentDirectories(QList<MountedDrive> &drives, const QString &workingDirectory);

} // namespace platform
