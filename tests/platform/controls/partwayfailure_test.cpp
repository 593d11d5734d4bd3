// A large directory whose reading fails after its start: both lists go back to where they were,
// and the directory list reports it, as when a small directory cannot be read at all.
#include "platform/controls/dirlistbox.h"
#include "platform/controls/filelistbox.h"
#include "support/listview.h"
#include "support/tempdir.h"

#include <QSemaphore>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <dlfcn.h>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

// While set, every reading of the directory with this inode fails, as on a disk that fails.
std::atomic<ino_t> failingDirectory { 0 };

} // namespace

// The C library's readdir, as every directory reading of this test program calls it, but for the
// failing directory.
extern "C" dirent *readdir(DIR *directory)
{
    static const auto next = reinterpret_cast<dirent *(*)(DIR *)>(::dlsym(RTLD_NEXT, "readdir"));
    struct stat status {};
    if (failingDirectory != 0 && ::fstat(::dirfd(directory), &status) == 0 && status.st_ino == failingDirectory) {
        errno = EIO;
        return nullptr;
    }
    return next(directory);
}

namespace {

// Keeps every thread of Qt's pool busy until released, so that a reading in the background starts
// only when the test says.
class PoolHeld
{
public:
    PoolHeld()
        : threads(QThreadPool::globalInstance()->maxThreadCount())
    {
        for (int i = 0; i < threads; ++i)
            QThreadPool::globalInstance()->start([this] { released.acquire(); });
    }
    ~PoolHeld() { release(); }
    void release() { released.release(std::exchange(threads, 0)); }

private:
    int threads;
    QSemaphore released;
};

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

    bool waited = false;
    {
        PoolHeld pool;
        dirs.setPath(big);
        files.setPath(big);
        files.whenListed([&waited] { waited = true; });
        ASSERT_EQ(files.Path(), big) << "the start of the directory is read at once";
        struct stat status {};
        ::stat(big.toLocal8Bit().constData(), &status);
        failingDirectory = status.st_ino;
    }
    const bool ended = testsupport::backgroundReadingsEnded();
    failingDirectory = 0;
    ASSERT_TRUE(ended);

    EXPECT_EQ(reported, std::vector<std::string> { big.toStdString() + ": Input/output error" });
    EXPECT_EQ(dirs.Path(), pictures);
    EXPECT_EQ(files.Path(), pictures);
    EXPECT_EQ(files.count(), 2);
    EXPECT_EQ(files.FileName(), "b.scr") << "the name selected before stays selected";
    EXPECT_FALSE(waited) << "what waited for the names of the failed directory is dropped";
}

} // namespace
