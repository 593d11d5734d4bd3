// Numbered files: opening, positioned reads and closing, and the errors each can raise.
#include "platform/fileruntime/filetable.h"
#include "platform/fileruntime/runtimeerror.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using platform::FileTable;
using platform::RunTimeError;

int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RunTimeError &error) {
        return error.number();
    }
    return 0;
}

std::vector<std::uint8_t> counting(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return bytes;
}

TEST(FileTable, ReadsBytesByOneBasedPosition)
{
    testsupport::TempDir dir;
    const auto bytes = counting(10000); // more than one cached block
    const std::string path = dir.write("screen.scr", bytes);
    FileTable files;
    files.open(1, path);
    std::uint8_t byte = 0xAA;
    for (long position : { 1L, 2L, 4096L, 4097L, 6912L, 10000L, 5L }) {
        files.get(1, position, byte);
        EXPECT_EQ(byte, bytes[static_cast<std::size_t>(position - 1)]) << position;
    }
    files.get(1, 10001, byte);
    EXPECT_EQ(byte, 0) << "past the end";
    files.get(1, 1'000'000, byte);
    EXPECT_EQ(byte, 0) << "far past the end";
}

TEST(FileTable, EmptyFileReadsAsZeros)
{
    testsupport::TempDir dir;
    FileTable files;
    files.open(1, dir.write("empty.scr", {}));
    std::uint8_t byte = 0xAA;
    files.get(1, 1, byte);
    EXPECT_EQ(byte, 0);
}

TEST(FileTable, OpeningANumberTwiceFailsAndLeaksNothing)
{
    testsupport::TempDir dir;
    const std::string first = dir.write("a.scr", counting(10));
    const std::string second = dir.write("b.scr", counting(10));
    FileTable files;
    files.open(1, first);
    EXPECT_EQ(errorNumberOf([&] { files.open(1, second); }), RunTimeError::FileAlreadyOpen);
    EXPECT_EQ(testsupport::descriptorsOpenOn(second), 0);
    EXPECT_EQ(testsupport::descriptorsOpenOn(first), 1);
    EXPECT_EQ(files.openCount(), 1);
    std::uint8_t byte = 0;
    files.get(1, 1, byte);
    EXPECT_EQ(byte, 1) << "the first file is still the one open";
    files.closeAll();
    EXPECT_EQ(testsupport::descriptorsOpenOn(first), 0);
    EXPECT_FALSE(files.isOpen(1));
    files.open(1, second); // free again
}

TEST(FileTable, OpensReadOnlyAndCreatesNothing)
{
    testsupport::TempDir dir;
    const std::string missing = dir.path() + "/missing.scr";
    FileTable files;
    EXPECT_EQ(errorNumberOf([&] { files.open(1, missing); }), RunTimeError::FileNotFound);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(errorNumberOf([&] { files.open(1, dir.path() + "/no/such/dir.scr"); }), RunTimeError::PathNotFound);
    EXPECT_EQ(files.openCount(), 0);

    // A file that may not be written opens all the same.
    const std::string readOnly = dir.write("ro.scr", counting(3));
    ::chmod(readOnly.c_str(), 0444);
    files.open(1, readOnly);
    files.closeAll();
}

TEST(FileTable, RefusesWhatIsNotARegularFileWithoutOpeningIt)
{
    testsupport::TempDir dir;
    const std::string fifo = dir.path() + "/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::vector<std::string> watched { fifo };
    const std::string device = dir.path() + "/null"; // a device of our own, so no one else opens it
    if (::mknod(device.c_str(), S_IFCHR | 0600, ::makedev(1, 3)) == 0)
        watched.push_back(device);
    // Opening a device can have effects of its own, so the type is checked before any open.
    const int inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(inotify, 0);
    for (const std::string &path : watched)
        ASSERT_GE(::inotify_add_watch(inotify, path.c_str(), IN_OPEN), 0) << path;

    const std::string sub = dir.makeDirectory("sub");
    FileTable files;
    for (const std::string &path : { fifo, device, sub, std::string("/dev/null"), std::string("/dev/zero") }) {
        if (!std::filesystem::exists(path))
            continue;
        const int openBefore = testsupport::descriptorsOpenOn(path); // the standard streams may be on /dev/null
        EXPECT_EQ(errorNumberOf([&] { files.open(1, path); }), RunTimeError::PathFileAccessError) << path;
        EXPECT_EQ(testsupport::descriptorsOpenOn(path), openBefore) << path;
    }
    EXPECT_EQ(files.openCount(), 0);
    char events[4096];
    EXPECT_LT(::read(inotify, events, sizeof events), 0) << "a pipe or device was opened";
    ::close(inotify);
}

TEST(FileTable, BadNumbersAndPositions)
{
    testsupport::TempDir dir;
    const std::string path = dir.write("a.scr", counting(10));
    FileTable files;
    std::uint8_t byte = 0;
    EXPECT_EQ(errorNumberOf([&] { files.open(0, path); }), RunTimeError::BadFileNameOrNumber);
    EXPECT_EQ(errorNumberOf([&] { files.open(512, path); }), RunTimeError::BadFileNameOrNumber);
    EXPECT_EQ(errorNumberOf([&] { files.open(1, ""); }), RunTimeError::BadFileNameOrNumber);
    EXPECT_EQ(errorNumberOf([&] { files.get(1, 1, byte); }), RunTimeError::BadFileNameOrNumber) << "not open";
    files.open(1, path);
    EXPECT_EQ(errorNumberOf([&] { files.get(1, 0, byte); }), RunTimeError::BadRecordNumber);
    EXPECT_EQ(errorNumberOf([&] { files.get(2, 1, byte); }), RunTimeError::BadFileNameOrNumber);
}

TEST(FileTable, KeepsReadingAFileRemovedWhileOpen)
{
    testsupport::TempDir dir;
    const auto bytes = counting(6912);
    const std::string path = dir.write("gone.scr", bytes);
    FileTable files;
    files.open(1, path);
    std::filesystem::remove(path);
    std::uint8_t byte = 0;
    files.get(1, 6912, byte);
    EXPECT_EQ(byte, bytes[6911]);
}

} // namespace
