// The fuzz targets' memory files and preview check. The check is no code under test: it is left
// out of the coverage that steers the fuzzer, which also keeps it fast.
#include "fuzzinput.h"

#include <algorithm>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace fuzzing {

MemoryFile::MemoryFile(const std::uint8_t *data, std::size_t size)
    : descriptor(::memfd_create("screen", MFD_CLOEXEC))
{
    if (descriptor < 0)
        std::abort();
    for (std::size_t written = 0; written < size;) {
        const ssize_t n = ::write(descriptor, data + written, size - written);
        if (n <= 0)
            std::abort();
        written += static_cast<std::size_t>(n);
    }
}

MemoryFile::~MemoryFile()
{
    ::close(descriptor);
}

std::string MemoryFile::path() const
{
    return "/proc/self/fd/" + std::to_string(descriptor);
}

__attribute__((no_sanitize("coverage"))) bool previewMatches(const preview::Image &image, const std::vector<testsupport::Rgb> &picture, int size)
{
    const int factor = size / 256;
    const int width = factor >= 1 ? 256 * factor : size, height = factor >= 1 ? 192 * factor : std::max(1, size * 192 / 256);
    if (image.width != width || image.height != height)
        return false;
    const double across = 256.0 / width, down = 192.0 / height; // for a reduction: how much each pixel covers
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t pixel = image.at(x, y);
            const int got[3] = { int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF), int(pixel & 0xFF) };
            int low[3] = { 255, 255, 255 }, high[3] = { 0, 0, 0 };
            const int top = factor >= 1 ? y / factor : int(y * down), bottom = factor >= 1 ? top : std::min(191, int((y + 1) * down));
            const int left = factor >= 1 ? x / factor : int(x * across), right = factor >= 1 ? left : std::min(255, int((x + 1) * across));
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

} // namespace fuzzing
