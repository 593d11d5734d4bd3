// A large directory whose reading fails after its start: both lists go back to where they were,
// and the directory list reports it, as when a small directory cannot be read at all.
#include "platform/controls/dirlistbox.h"
#include "platform/controls/filelistbox.h"
#include "support/listview.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <dlfcn.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

// Every reading of the directory with this inode fails off the test's own thread, as on a disk
// that fails: the start that a list reads at once succeeds, the rest read in the background fails.
std::atomic<ino_t> failingDirectory { 0 };
const std::thread::id testThread = std::this_thread::get_id();

} // namespace

// The C library's readdir, as every directory reading of this test program calls it, but for the
// failing directory.
extern "C" dirent *readdir(DIR *directory)
{
    static const auto next = reinterpret_cast<dirent *(*)(DIR *)>(::dlsym(RTLD_NEXT, "readdir"));
    struct stat status {};
    if (failingDirectory != 0 && std::this_thread::get_id() != testThread
        && ::fstat(::dirfd(directory), &status) == 0 && status.st_ino == failingDirectory) {
        errno = EIO;
        return nullptr;
    }
    return next(directory);
}

namespace {

TEST(PartWayFailure, BothListsGoBackToWhereTheyWereAndTheDirectoryListReportsIt)
{
    testsupport::TempDir dir;
    dir.write("pictures/a.scr", {});
    dir.write("pictures/b.scr", {});
    for (int i = 0; i < 5000; ++i)
        dir.write("big/" + std::to_string(i) + ".scr", {});
    const QString pictures = QString::fromStdString(dir.path() + "/pictures"), big = QString::fromStdString(dir.path() + "/big");
    platform::DirListBox dirs;
    platform::FileListBox files;
    dirs.setPath(pictures);
    files.setPath(pictures);
    files.selectName(QStringLiteral("b.scr"));
    std::vector<std::string> reported;
    QObject::connect(&dirs, &platform::DirListBox::OpenFailed, [&](const platform::RunTimeError &error) {
        reported.push_back(error.path() + ": " + error.reason());
    });

    struct stat status {};
    ::stat(big.toLocal8Bit().constData(), &status);
    failingDirectory = status.st_ino;
    bool waited = false;
    dirs.setPath(big);
    files.setPath(big);
    files.whenListed([&waited] { waited = true; });
    ASSERT_EQ(files.Path(), big) << "the start of the directory is read at once";
    ASSERT_TRUE(testsupport::backgroundReadingsEnded());
    failingDirectory = 0;

    EXPECT_EQ(reported, std::vector<std::string> { big.toStdString() + ": Input/output error" });
    EXPECT_EQ(dirs.Path(), pictures);
    EXPECT_EQ(files.Path(), pictures);
    EXPECT_EQ(files.count(), 2);
    EXPECT_EQ(files.FileName(), "b.scr") << "the name selected before stays selected";
    EXPECT_FALSE(waited) << "what waited for the names of the failed directory is dropped";
}

} // namespace
