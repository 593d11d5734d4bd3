// Fuzz target: any bytes, as a file of any length, read through the file table and drawn by the
// renderer; the picture must be the independent decode of the file's first 6912 bytes.
#include "platform/runtime/fileruntime.h"
#include "screen/screenrenderer.h"
#include "support/memorypicture.h"
#include "support/screendecode.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The file lives in memory; the file table opens it by path like any other.
    const int memory = ::memfd_create("screen", MFD_CLOEXEC);
    if (memory < 0)
        std::abort();
    for (std::size_t written = 0; written < size;) {
        const ssize_t n = ::write(memory, data + written, size - written);
        if (n <= 0)
            std::abort();
        written += static_cast<std::size_t>(n);
    }

    platform::FileRunTime runtime;
    testsupport::MemoryPicture picture;
    screen::ScreenRenderer renderer(picture, runtime);
    runtime.files().open(1, "/proc/self/fd/" + std::to_string(memory));
    if (renderer.ShowScreen() != screen::ScreenRenderer::Outcome::Complete || runtime.files().openCount() != 0)
        std::abort();
    if (picture.outside != 0 || picture.pixels != testsupport::decodeScreen(std::vector<std::uint8_t>(data, data + size)))
        std::abort();
    ::close(memory);
    return 0;
}
