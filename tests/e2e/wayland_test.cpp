// The real program as a client of a Wayland compositor that composites (run under
// tools/swaysession), chosen with the keyboard as a user does, its picture read back from the
// compositor's own output (grim): every Spectrum pixel an exact m × m block of device pixels.
// Usage: wayland_e2e_tests M [SCALE M]: the m the picture is first shown with, and optionally a
// scale the output changes to during the drawing and the m the picture then ends with.
#include "e2e/harness.h"
#include "support/tempdir.h"

#include <cstdio>

namespace e2e {
namespace {

constexpr int OutputWidth = 1920, OutputHeight = 1080;
int expectedM = 0, mAfter = 0;
std::string scaleWhileDrawn;

// The output as the compositor composed it, read with grim: three bytes a pixel, red, green and
// blue, row by row; empty if grim gave no whole output.
std::string output()
{
    std::string ppm; // binary: read whole, not line by line
    if (FILE *grim = ::popen("grim -t ppm - 2>/dev/null", "r")) {
        char buffer[65536];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, grim)) > 0;)
            ppm.append(buffer, got);
        ::pclose(grim);
    }
    const std::string header = "P6\n" + std::to_string(OutputWidth) + " " + std::to_string(OutputHeight) + "\n255\n";
    if (ppm.size() != header.size() + std::size_t(OutputWidth) * OutputHeight * 3 || !ppm.starts_with(header))
        return {};
    return ppm.substr(header.size());
}

// Whether the output shows the picture as m × m blocks, with nothing blended at its edges: the
// light grey around it is exact too.
bool showsExactly(const std::string &output, const std::vector<testsupport::Rgb> &picture, int m)
{
    const testsupport::Rgb grey { 220, 220, 220 };
    if (output.empty())
        return false;
    const auto at = [&](int x, int y) {
        const std::size_t i = (std::size_t(y) * OutputWidth + std::size_t(x)) * 3;
        return testsupport::Rgb { std::uint8_t(output[i]), std::uint8_t(output[i + 1]), std::uint8_t(output[i + 2]) };
    };
    for (int top = 1; top + 192 * m < OutputHeight; ++top)
        for (int left = 1; left + 256 * m < OutputWidth; ++left) {
            if (at(left, top) != picture[0] || at(left - 1, top) != grey || at(left, top - 1) != grey)
                continue;
            bool exact = true;
            for (int y = -1; exact && y <= 192 * m; ++y)
                for (int x = -1; exact && x <= 256 * m; ++x) {
                    const bool inside = x >= 0 && y >= 0 && x < 256 * m && y < 192 * m;
                    exact = at(left + x, top + y) == (inside ? picture[std::size_t(y / m) * 256 + std::size_t(x / m)] : grey);
                }
            if (exact)
                return true;
        }
    return false;
}

TEST(Wayland, ThePictureIsExactBlocksOfDevicePixelsAsTheCompositorShowsIt)
{
    testsupport::TempDir dir;
    const std::vector<std::uint8_t> screen = testsupport::patternedScreen(5);
    dir.write("a.scr", screen);
    Program program(dir.path(), {}, { { "QT_QPA_PLATFORM", "wayland" } });

    // The keyboard chooses the file, whichever list has it first: End in the file list draws it;
    // in the directory list it only moves, and Tab then End reach the file list.
    run("wtype -s 1500 -k End -s 300 -k Tab -s 300 -k End -s 300");
    if (!scaleWhileDrawn.empty())
        run("swaymsg output HEADLESS-1 scale " + scaleWhileDrawn + " >/dev/null");
    const std::vector<testsupport::Rgb> picture = testsupport::decodeScreen(screen);
    const int m = scaleWhileDrawn.empty() ? expectedM : mAfter;
    EXPECT_TRUE(waitUntil([&] { return showsExactly(output(), picture, m); }, 120s)) << "not exact " << m << " × " << m << " blocks";
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
