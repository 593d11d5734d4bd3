// tarnvel-thumbnailer -s SIZE INPUT OUTPUT: writes a PNG preview of a screen file for file managers.
#include "platform/runtime/runtimeerror.h"
#include "preview/largepagearena.h"
#include "preview/preview.h"
#include "thumbnailer/pngencoder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;
constexpr long LargestSize = 4096;

int usage()
{
    std::fputs("usage: tarnvel-thumbnailer -s SIZE INPUT OUTPUT\n", stderr);
    return ExitUsage;
}

int failed(const char *what, const char *reason)
{
    std::fprintf(stderr, "tarnvel-thumbnailer: %s: %s\n", what, reason);
    return ExitFailure;
}

// Writes the whole of bytes to a new or emptied file at path. When that fails, a regular file is
// removed again, so that no half-written preview is left behind; anything else (a device, say) is
// left where it is.
bool writeWhole(const char *path, const std::vector<std::uint8_t> &bytes)
{
    const int file = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0)
        return false;
    struct stat status {};
    const bool regular = ::fstat(file, &status) == 0 && S_ISREG(status.st_mode);
    int reason = 0;
    for (std::size_t written = 0; written < bytes.size() && reason == 0;) {
        const ssize_t n = ::write(file, bytes.data() + written, bytes.size() - written);
        if (n > 0)
            written += std::size_t(n);
        else if (n == 0 || errno != EINTR)
            reason = n == 0 ? EIO : errno;
    }
    if (::close(file) != 0 && reason == 0)
        reason = errno;
    if (reason == 0)
        return true;
    if (regular)
        ::unlink(path);
    errno = reason;
    return false;
}

// Encodes the picture, then writes it whole to path; the exit status.
int written(const preview::Image &picture, const char *path)
{
    // Encoded first, so that the output is only touched once there is a whole preview for it.
    const thumbnailer::EncodedPng png = thumbnailer::encodePng(picture);
    if (png.bytes.empty())
        return failed("PNG", png.error.c_str());
    if (!writeWhole(path, png.bytes))
        return failed(path, std::strerror(errno));
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5 || std::string(argv[1]) != "-s")
        return usage();
    char *end = nullptr;
    const long size = std::strtol(argv[2], &end, 10);
    if (end == argv[2] || *end != '\0' || size < 1 || size > LargestSize)
        return usage();
    const std::string input = argv[3];

    // Everything the preview touches once: the renderer's pixel grid, the picture and its palette
    // indices, on one large page (at 256 they take half of it). On small pages, every 4 KiB of
    // them would be a page fault of its own, as long in all as drawing the picture.
    preview::LargePageArena memory(preview::LargePageArena::LargePage);
    std::optional<preview::Image> picture;
    try {
        picture.emplace(preview::screenPreview(input, int(size), &memory)); // made in place: assigned, it would be copied off the page
    } catch (const platform::RunTimeError &error) {
        std::fprintf(stderr, "tarnvel-thumbnailer: %s: %s%s%s\n%s\n", input.c_str(), error.message().c_str(),
                     error.reason().empty() ? "" : ": ", error.reason().c_str(), error.advice());
        return ExitFailure;
    }
    return written(*picture, argv[4]);
}
