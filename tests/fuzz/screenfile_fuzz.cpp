// Fuzz target: any bytes, as a file of any length, read through the file table and drawn by the
// renderer; the picture must be the independent decode of the file's first 6912 bytes. The preview
// core, which file managers' processes load, draws the same file and sizes it: whole blocks of that
// decode when enlarged, averages within the range of the pixels covered when reduced.
#include "platform/runtime/fileruntime.h"
#include "preview/preview.h"
#include "screen/screenrenderer.h"
#include "support/memorypicture.h"
#include "support/screendecode.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// Whether a preview of size is the decoded picture sized as previews are. The check itself is no
// code under test: it is left out of the coverage that steers the fuzzer, which also keeps it fast.
__attribute__((no_sanitize("coverage"))) bool previewMatches(const preview::Image &image, const std::vector<testsupport::Rgb> &picture, int size)
{
    const int factor = size / 256;
    if (factor >= 1 ? image.width != 256 * factor || image.height != 192 * factor : image.width != size || image.height != size * 192 / 256)
        return false;
    const double step = 256.0 / image.width;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t pixel = image.at(x, y);
            const int got[3] = { int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF), int(pixel & 0xFF) };
            int low[3] = { 255, 255, 255 }, high[3] = { 0, 0, 0 };
            const int top = factor >= 1 ? y / factor : int(y * step), bottom = factor >= 1 ? top : std::min(191, int((y + 1) * step));
            const int left = factor >= 1 ? x / factor : int(x * step), right = factor >= 1 ? left : std::min(255, int((x + 1) * step));
            for (int sy = top; sy <= bottom; ++sy)
                for (int sx = left; sx <= right; ++sx) {
                    const testsupport::Rgb &c = picture[std::size_t(sy * 256 + sx)];
                    const int parts[3] = { c.red, c.green, c.blue };
                    for (int i = 0; i < 3; ++i) {
                        low[i] = std::min(low[i], parts[i]);
                        high[i] = std::max(high[i], parts[i]);
                    }
                }
            for (int i = 0; i < 3; ++i)
                if (got[i] < low[i] || got[i] > high[i]) // for a block, low and high are its one colour
                    return false;
        }
    return true;
}

} // namespace

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
    const std::vector<testsupport::Rgb> expected = testsupport::decodeScreen(std::vector<std::uint8_t>(data, data + size));
    if (picture.outside != 0 || picture.pixels != expected)
        std::abort();
    // Drawn once by the preview core at its own size, then sized from that as previews are.
    const preview::Image drawn = preview::screenPreview("/proc/self/fd/" + std::to_string(memory), 256);
    if (!previewMatches(drawn, expected, 256))
        std::abort();
    for (const int previewSize : { 48, 200, 600 })
        if (!previewMatches(preview::sizedForPreview(drawn, previewSize), expected, previewSize))
            std::abort();
    ::close(memory);
    return 0;
}
