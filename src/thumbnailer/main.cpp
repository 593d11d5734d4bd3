// tarnvel-thumbnailer -s SIZE INPUT OUTPUT: writes a PNG preview of a screen file for file managers.
#include "platform/runtime/runtimeerror.h"
#include "thumbnailer/thumbnail.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

int usage()
{
    std::fputs("usage: tarnvel-thumbnailer -s SIZE INPUT OUTPUT\n", stderr);
    return ExitUsage;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5 || std::string(argv[1]) != "-s")
        return usage();
    char *end = nullptr;
    const long size = std::strtol(argv[2], &end, 10);
    if (end == argv[2] || *end != '\0' || size < 1 || size > 4096)
        return usage();
    const std::string input = argv[3];
    const QString output = QFile::decodeName(argv[4]);

    QImage preview;
    try {
        preview = screenThumbnail(input, int(size));
    } catch (const platform::RunTimeError &error) {
        std::fprintf(stderr, "tarnvel-thumbnailer: %s: %s%s%s\n%s\n", input.c_str(), error.message().c_str(),
                     error.reason().empty() ? "" : ": ", error.reason().c_str(), error.advice());
        return ExitFailure;
    }

    // Encoded first, so that the output is only touched once there is a whole preview for it.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, "png");
    if (!encoder.write(preview)) {
        std::fprintf(stderr, "tarnvel-thumbnailer: %s\n", qPrintable(encoder.errorString()));
        return ExitFailure;
    }
    QFile file(output);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "tarnvel-thumbnailer: %s: %s\n", argv[4], qPrintable(file.errorString()));
        return ExitFailure;
    }
    if (file.write(png) != png.size() || !file.flush()) {
        std::fprintf(stderr, "tarnvel-thumbnailer: %s: %s\n", argv[4], qPrintable(file.errorString()));
        file.remove(); // no half-written preview is left behind
        return ExitFailure;
    }
    return EXIT_SUCCESS;
}
