// The real program as a client of a Wayland compositor that composites (run under
// tools/waylandsession, sway or GNOME Shell), chosen with the keyboard as a user does, its picture
// read back from the compositor's own output: every Spectrum pixel an exact m × m block of device pixels.
// Usage: wayland_e2e_tests M [SCALE M]: the m the picture is first shown with, and optionally a
// scale the output changes to during the drawing and the m the picture then ends with.
#include "e2e/harness.h"
#include "support/tempdir.h"

#include <QImage>

#include <cstdio>
#include <utility>

namespace e2e {
namespace {

int expectedM = 0, mAfter = 0;
std::string scaleWhileDrawn;
const testsupport::Rgb Grey { 220, 220, 220 };
const std::string session = TARNVEL_WAYLANDSESSION;

// The output as the compositor composed it, in device pixels; null if it gave none.
QImage output(const std::string &file)
{
    run(session + " screenshot '" + file + "'");
    return QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB888);
}

testsupport::Rgb at(const QImage &image, int x, int y)
{
    const uchar *pixel = image.constScanLine(y) + 3 * x;
    return { pixel[0], pixel[1], pixel[2] };
}

// The top-left device pixel of the window's light grey client area, if the output shows one: the
// first pixel that begins a square of it (a single pixel of that grey may be part of a text).
std::optional<std::pair<int, int>> clientCorner(const QImage &image)
{
    constexpr int Side = 16;
    const auto square = [&](int left, int top) {
        for (int y = top; y < top + Side; ++y)
            for (int x = left; x < left + Side; ++x)
                if (at(image, x, y) != Grey)
                    return false;
        return true;
    };
    for (int y = 0; y + Side <= image.height(); ++y)
        for (int x = 0; x + Side <= image.width(); ++x)
            if (at(image, x, y) == Grey && square(x, y))
                return std::pair(x, y);
    return std::nullopt;
}

// Whether the output shows the picture as m × m blocks, with nothing blended or left over around
// it: the light grey is exact too, as far out as the navigator's frame lay when it was shown (33
// picture pixels at the most), so that no line of that frame stays. Only the ring that shows the
// picture has the keyboard may lie near it, within 4 picture pixels.
bool showsExactly(const QImage &image, const std::vector<testsupport::Rgb> &picture, int m)
{
    const int band = 34 * m, ring = 4 * m;
    for (int top = band; top + 192 * m + band < image.height(); ++top)
        for (int left = band; left + 256 * m + band < image.width(); ++left) {
            if (at(image, left, top) != picture[0] || at(image, left - 1, top) != Grey || at(image, left, top - 1) != Grey)
                continue;
            bool exact = true;
            for (int y = -band; exact && y < 192 * m + band; ++y)
                for (int x = -band; exact && x < 256 * m + band; ++x) {
                    const bool inside = x >= 0 && y >= 0 && x < 256 * m && y < 192 * m;
                    const bool nearby = x >= -ring && y >= -ring && x < 256 * m + ring && y < 192 * m + ring;
                    if (inside)
                        exact = at(image, left + x, top + y) == picture[std::size_t(y / m) * 256 + std::size_t(x / m)];
                    else
                        exact = nearby || at(image, left + x, top + y) == Grey;
                }
            if (exact)
                return true;
        }
    return false;
}

TEST(Wayland, ThePictureIsExactBlocksOfDevicePixelsAsTheCompositorShowsIt)
{
    testsupport::TempDir dir, shots; // the screenshots apart, so that the file list shows the screen alone
    const std::vector<std::uint8_t> screen = testsupport::patternedScreen(5);
    dir.write("a.scr", screen);
    const std::string shot = shots.path() + "/output.png";
    Program program(dir.path(), {}, { { "QT_QPA_PLATFORM", "wayland" } });

    // Once the window is shown, a click on its client area gives it the keyboard, and the keyboard
    // chooses the file, whichever list has it first: End in the file list draws it; in the
    // directory list it only moves, and Tab then End reach the file list. The window is taken
    // where it stays: a compositor may move it once it has its start size.
    std::optional<std::pair<int, int>> corner, before;
    ASSERT_TRUE(waitUntil([&] {
        before = std::exchange(corner, clientCorner(output(shot)));
        return corner && corner == before;
    }, 60s)) << "no window shown";
    // The click lands clear of the window's edges, where the compositor takes the pointer for resizing.
    run(session + " focus " + std::to_string(corner->first + 24) + " " + std::to_string(corner->second + 12));
    run(session + " keys End Tab End");
    if (!scaleWhileDrawn.empty())
        run(session + " scale " + scaleWhileDrawn);
    const std::vector<testsupport::Rgb> picture = testsupport::decodeScreen(screen);
    const int m = scaleWhileDrawn.empty() ? expectedM : mAfter;
    EXPECT_TRUE(waitUntil([&] { return showsExactly(output(shot), picture, m); }, 120s)) << "not exact " << m << " × " << m << " blocks";
    EXPECT_FALSE(program.waitForExit(0s)) << "the program ended";
}

} // namespace
} // namespace e2e

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s M [SCALE M]\n", argv[0]);
        return 2;
    }
    e2e::expectedM = std::atoi(argv[1]);
    if (argc == 4) {
        e2e::scaleWhileDrawn = argv[2];
        e2e::mAfter = std::atoi(argv[3]);
    }
    return RUN_ALL_TESTS();
}
