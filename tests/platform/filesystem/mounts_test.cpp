// Which mounts are drives, which drive holds a path, and where moving to a drive goes.
#include "platform/filesystem/mounts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

struct MountCase
{
    const char *root, *device, *type;
    bool browsable;
};

class Mounts : public ::testing::TestWithParam<MountCase>
{
};

TEST_P(Mounts, OnlyRealStorageIsADrive)
{
    const MountCase &c = GetParam();
    EXPECT_EQ(platform::isBrowsableMount(c.root, c.device, c.type), c.browsable) << c.root;
}

INSTANTIATE_TEST_SUITE_P(Table, Mounts,
                         ::testing::Values(MountCase { "/", "overlay", "overlay", true },
                                           MountCase { "/", "/dev/sda1", "ext4", true },
                                           MountCase { "/home", "/dev/sda2", "ext4", true },
                                           MountCase { "/media/anna/DISK", "/dev/sdb1", "vfat", true },
                                           MountCase { "/run/media/anna/DISK", "/dev/sdc1", "exfat", true },
                                           MountCase { "/mnt/share", "server:/export", "nfs4", true },
                                           MountCase { "/proc", "proc", "proc", false },
                                           MountCase { "/sys/fs/cgroup", "cgroup", "cgroup2", false },
                                           MountCase { "/dev/shm", "tmpfs", "tmpfs", false },
                                           MountCase { "/run/user/1000", "tmpfs", "tmpfs", false },
                                           MountCase { "/tmp", "tmpfs", "tmpfs", false },
                                           MountCase { "/snap/core/1", "/dev/loop0", "squashfs", false },
                                           MountCase { "/boot/efi", "/dev/sda3", "vfat", false }),
                         [](const auto &info) { // "ext4OnHome", "tmpfsOnRunUser1000"
                             std::string name = std::string(info.param.type) + "On";
                             bool wordStart = true;
                             for (const char *c = info.param.root; *c; ++c) {
                                 if (!std::isalnum(static_cast<unsigned char>(*c)))
                                     wordStart = true;
                                 else {
                                     name += wordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
                                     wordStart = false;
                                 }
                             }
                             return info.param.root == std::string("/") ? name + "Root" : name;
                         });

QList<platform::MountedDrive> drives(const QStringList &roots)
{
    QList<platform::MountedDrive> list;
    for (const QString &root : roots)
        list.append({ root, {}, root });
    return list;
}

TEST(Drives, TheLongestMountPointHoldsAPath)
{
    const auto list = drives({ "/", "/home", "/home/anna/usb", "/homework" });
    EXPECT_EQ(platform::driveHolding(list, "/etc"), 0);
    EXPECT_EQ(platform::driveHolding(list, "/home"), 1);
    EXPECT_EQ(platform::driveHolding(list, "/home/anna"), 1);
    EXPECT_EQ(platform::driveHolding(list, "/home/anna/usb/pics"), 2);
    EXPECT_EQ(platform::driveHolding(list, "/homework/x"), 3);
    EXPECT_EQ(platform::driveHolding(drives({ "/home" }), "/etc"), -1);
}

TEST(Drives, TheWorkingDirectoryIsTheCurrentDirectoryOfItsDriveOnly)
{
    auto list = drives({ "/", "/home", "/media/DISK" });
    platform::assignCurrentDirectories(list, "/home/anna/screens");
    EXPECT_EQ(list[0].current, "/");
    EXPECT_EQ(list[1].current, "/home/anna/screens");
    EXPECT_EQ(list[2].current, "/media/DISK");
}

TEST(Drives, ThisMachineHasItsRootAsADrive)
{
    const auto list = platform::systemDrives("/");
    ASSERT_FALSE(list.isEmpty());
    EXPECT_GE(platform::driveHolding(list, "/"), 0);
    for (const platform::MountedDrive &drive : list)
        EXPECT_TRUE(drive.displayText().startsWith(drive.root));
}

} // namespace
