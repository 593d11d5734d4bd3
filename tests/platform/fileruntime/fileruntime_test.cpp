// Files of every length drawn through the real file table: missing bytes as 0, extra ones ignored.
#include "platform/fileruntime/fileruntime.h"
#include "screen/screenrenderer.h"
#include "support/memorypicture.h"
#include "support/process.h"
#include "support/screendecode.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::vector<testsupport::Rgb> drawn(const std::string &path)
{
    platform::FileRunTime runtime;
    testsupport::MemoryPicture picture;
    screen::ScreenRenderer renderer(picture, runtime);
    runtime.files().open(1, path);
    EXPECT_EQ(renderer.ShowScreen(), screen::ScreenRenderer::Outcome::Complete);
    EXPECT_EQ(runtime.files().openCount(), 0);
    return picture.pixels;
}

TEST(FileRunTime, DrawsFilesOfEveryLength)
{
    testsupport::TempDir dir;
    for (const std::size_t length : { 0, 1, 6143, 6144, 6145, 6911, 6912, 6913 }) {
        std::vector<std::uint8_t> bytes = testsupport::patternedScreen(static_cast<unsigned>(length));
        bytes.resize(length, 0xFF);
        EXPECT_EQ(drawn(dir.write("screen.scr", bytes)), testsupport::decodeScreen(bytes)) << length << " bytes";
    }
}

TEST(FileRunTime, AHugeFileIsReadNoFurtherThanItsScreen)
{
    // 4 GiB, sparse: a screen and then nothing but holes.
    testsupport::TempDir dir;
    const auto screen = testsupport::patternedScreen(40);
    const std::string path = dir.write("huge.scr", screen);
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(descriptor, 0);
    const bool sized = ::ftruncate(descriptor, 4LL << 30) == 0;
    ::close(descriptor);
    if (!sized)
        GTEST_SKIP() << "this file system has no room for a 4 GiB sparse file";
    const long long readBefore = testsupport::bytesRead();
    EXPECT_EQ(drawn(path), testsupport::decodeScreen(screen));
    EXPECT_LT(testsupport::bytesRead() - readBefore, 64 * 1024) << "read beyond what a screen needs";
}

} // namespace
