// tarnvel-thumbnailer -s SIZE INPUT OUTPUT: writes a PNG preview of a screen file for file managers.
#include "platform/fileruntime/runtimeerror.h"
#include "preview/preview.h"
#include "thumbnailer/pngencoder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

int usage()
{
    std::fprintf(stderr, "usage: tarnvel-thumbnailer -s SIZE INPUT OUTPUT\n"
                         "SIZE is the preview's width in pixels, from 1 to %d\n", preview::LargestPreviewSize);
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
    if (end == argv[2] || *end != '\0' || size < 1 || size > preview::LargestPreviewSize)
        return usage();
    const std::string input = argv[3];

    // Every failure ends here with a message and status 1, never with an abort: a file manager
    // then shows its generic icon, and no crash report is made for a file it could not preview.
    try {
        return written(preview::screenPreview(input, int(size)), argv[4]);
    } catch (const platform::RunTimeError &error) {
        std::fprintf(stderr, "tarnvel-thumbnailer: %s: %s%s%s\n%s\n", input.c_str(), error.message().c_str(),
                     error.reason().empty() ? "" : ": ", error.reason().c_str(), error.advice());
        return ExitFailure;
    } catch (const std::bad_alloc &) {
        return failed(input.c_str(), "not enough memory for a preview of this size");
    } catch (const std::exception &unexpected) {
        return failed(input.c_str(), unexpected.what());
    } catch (...) {
        return failed(input.c_str(), "unexpected failure");
    }
}
