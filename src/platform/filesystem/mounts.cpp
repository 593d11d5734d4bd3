// Finding the drives on a Linux machine from its mount table.
#include "platform/filesystem/mounts.h"

#include "platform/filesystem/paths.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace platform {

QString MountedDrive::displayText() const
{
    return label.isEmpty() ? root : root + QStringLiteral(" [") + label + QLatin1Char(']');
}

bool isBrowsableMount(const QString &root, const QString &device, const QString &fileSystemType)
{
    if (root == QLatin1String("/"))
        return true;
    static const QStringList systemTrees { "/proc", "/sys", "/dev", "/run", "/snap", "/var/lib/docker", "/boot/efi" };
    for (const QString &tree : systemTrees) {
        if (isWithin(root, tree) && !isWithin(root, QStringLiteral("/run/media")))
            return false;
    }
    static const QStringList networkTypes { "nfs", "nfs4", "cifs", "smbfs", "fuse.sshfs", "9p" };
    if (networkTypes.contains(fileSystemType))
        return true;
    static const QStringList memoryTypes { "tmpfs", "ramfs", "squashfs", "overlay", "devtmpfs" };
    return device.startsWith(QLatin1String("/dev/")) && !memoryTypes.contains(fileSystemType);
}

QList<MountedDrive> systemDrives(const QString &workingDirectory)
{
    QList<MountedDrive> drives;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        if (!isBrowsableMount(root, QString::fromLocal8Bit(volume.device()), QString::fromLatin1(volume.fileSystemType())))
            continue;
        if (!QFileInfo(root).isDir())
            continue; // a single file bound into the tree
        if (std::any_of(drives.cbegin(), drives.cend(), [&root](const MountedDrive &d) { return d.root == root; }))
            continue; // the same mount point mounted over itself
        drives.append(MountedDrive { root, volume.name(), root });
    }
    std::sort(drives.begin(), drives.end(), [](const MountedDrive &a, const MountedDrive &b) { return a.root < b.root; });
    assignCurrentDirectories(drives, workingDirectory);
    return drives;
}

int driveHolding(const QList<MountedDrive> &drives, const QString &path)
{
    int best = -1;
    for (int i = 0; i < drives.size(); ++i) {
        if (isWithin(path, drives[i].root) && (best < 0 || drives[i].root.size() > drives[best].root.size()))
            best = i;
    }
    return best;
}

void assignCurrentDirectories(QList<MountedDrive> &drives, const QString &workingDirectory)
{
    const int holder = driveHolding(drives, workingDirectory);
    for (int i = 0; i < drives.size(); ++i)
        drives[i].current = i == holder ? workingDirectory : drives[i].root;
}

} // namespace platform
