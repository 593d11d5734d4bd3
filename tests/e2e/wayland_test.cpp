// The real program under a Wayland compositor that composites (sway's headless output with its
// pixman renderer), chosen with the keyboard as a user does, its picture read back from the
// compositor's own output (grim): every Spectrum pixel an exact m × m block of device pixels.
#include "e2e/harness.h"
#include "support/tempdir.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace e2e {
namespace {

using Environment = std::vector<std::pair<std::string, std::string>>;

// sway on a headless output of 1920 × 1080 at a scale; windows float (at their own size) or tile.
// As root, sway refuses to start, so there it runs as nobody.
class Sway
{
public:
    Sway(const std::string &scale, bool tiled)
    {
        std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
        std::ofstream(runtime.path() + "/config") << "output HEADLESS-1 resolution 1920x1080 scale " << scale
                                                  << "\ndefault_border none\nxwayland disable\n"
                                                  << (tiled ? "" : "for_window [app_id=\".*\"] floating enable\n");
        const bool root = ::geteuid() == 0;
        if (root && ::chown(runtime.path().c_str(), 65534, 65534) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            if (root && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
                std::_Exit(126);
            for (const auto &[name, value] : Environment { { "XDG_RUNTIME_DIR", runtime.path() }, { "HOME", runtime.path() },
                                                            { "WLR_BACKENDS", "headless" }, { "WLR_RENDERER", "pixman" },
                                                            { "WLR_LIBINPUT_NO_DEVICES", "1" } })
                ::setenv(name.c_str(), value.c_str(), 1);
            ::unsetenv("WAYLAND_DISPLAY");
            ::unsetenv("DISPLAY");
            ::execlp("sway", "sway", "-c", (runtime.path() + "/config").c_str(), static_cast<char *>(nullptr));
            std::_Exit(127);
        }
        waitUntil([this] {
            for (const auto &entry : std::filesystem::directory_iterator(runtime.path()))
                if (entry.path().filename().string().starts_with("sway-ipc."))
                    socket = entry.path().string();
            return !socket.empty() && std::filesystem::exists(runtime.path() + "/wayland-1");
        }, 20s);
    }
    ~Sway()
    {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
    bool started() const { return !socket.empty(); }

    // What a client of this compositor is given.
    Environment clientEnvironment() const
    {
        return { { "XDG_RUNTIME_DIR", runtime.path() }, { "WAYLAND_DISPLAY", "wayland-1" }, { "SWAYSOCK", socket }, { "QT_QPA_PLATFORM", "wayland" } };
    }
    // A command run as a client of this compositor.
    std::string clientCommand(const std::string &command) const
    {
        std::string prefix = "env";
        for (const auto &[name, value] : clientEnvironment())
            prefix += " " + name + "='" + value + "'";
        return prefix + " " + command;
    }
    std::string client(const std::string &command) const { return run(clientCommand(command)); }

    // The output as the compositor composed it, 1920 × 1080 device pixels, read with grim.
    std::vector<testsupport::Rgb> output() const
    {
        std::string ppm; // binary: read whole, not line by line
        if (FILE *grim = ::popen(clientCommand("grim -t ppm - 2>/dev/null").c_str(), "r")) {
            char buffer[65536];
            for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, grim)) > 0;)
                ppm.append(buffer, got);
            ::pclose(grim);
        }
        std::vector<testsupport::Rgb> pixels;
        const std::string header = "P6\n1920 1080\n255\n";
        if (ppm.size() != header.size() + 1920 * 1080 * 3 || ppm.compare(0, header.size(), header) != 0)
            return pixels;
        for (std::size_t i = header.size(); i < ppm.size(); i += 3)
            pixels.push_back({ std::uint8_t(ppm[i]), std::uint8_t(ppm[i + 1]), std::uint8_t(ppm[i + 2]) });
        return pixels;
    }

private:
    testsupport::TempDir runtime;
    pid_t pid = -1;
    std::string socket;
};

// Whether the output shows the picture as m × m blocks, with nothing blended at its edges: the
// light grey around it is exact too.
bool showsExactly(const std::vector<testsupport::Rgb> &output, const std::vector<testsupport::Rgb> &picture, int m)
{
    constexpr int Width = 1920, Height = 1080;
    const testsupport::Rgb grey { 220, 220, 220 };
    if (output.size() != std::size_t(Width) * Height)
        return false;
    const auto at = [&](int x, int y) { return output[std::size_t(y) * Width + std::size_t(x)]; };
    for (int top = 1; top + 192 * m < Height; ++top)
        for (int left = 1; left + 256 * m < Width; ++left) {
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

struct Case
{
    const char *scale;
    bool tiled;
    int m;                          // by the start rule at its own size, the largest that fits tiled
    const char *scaleWhileDrawn;    // the output's scale changed during the drawing, if given
    int mAfter;
};

class Wayland : public ::testing::TestWithParam<Case>
{
};

TEST_P(Wayland, TheFirstPictureIsExactBlocksOfDevicePixelsAsTheCompositorShowsIt)
{
    const Case &c = GetParam();
    Sway sway(c.scale, c.tiled);
    ASSERT_TRUE(sway.started()) << "sway did not start";
    testsupport::TempDir dir;
    const std::vector<std::uint8_t> screen = testsupport::patternedScreen(5);
    dir.write("a.scr", screen);
    Program program(dir.path(), {}, sway.clientEnvironment());

    // The keyboard chooses the file, whichever list has it first: End in the file list draws it;
    // in the directory list it only moves, and Tab then End reach the file list.
    sway.client("wtype -s 1500 -k End -s 300 -k Tab -s 300 -k End -s 300");
    if (c.scaleWhileDrawn)
        sway.client(std::string("swaymsg output HEADLESS-1 scale ") + c.scaleWhileDrawn + " >/dev/null");
    const std::vector<testsupport::Rgb> picture = testsupport::decodeScreen(screen);
    const int m = c.scaleWhileDrawn ? c.mAfter : c.m;
    EXPECT_TRUE(waitUntil([&] { return showsExactly(sway.output(), picture, m); }, 120s))
        << "not exact " << m << " × " << m << " blocks at " << (c.scaleWhileDrawn ? c.scaleWhileDrawn : c.scale);
    EXPECT_FALSE(program.waitForExit(0s)) << "the program ended";
}

// Qt 6.4 (Debian 12) knows whole scales only, and sway 1.7 no fractional ones.
const Case Cases[] = {
    { "2", false, 2, nullptr, 0 },
    { "2", true, 3, nullptr, 0 },
#if TARNVEL_FRACTIONAL_SCALES
    { "1.25", false, 2, nullptr, 0 },
    { "1.25", true, 3, nullptr, 0 },
    { "1.5", false, 2, nullptr, 0 },
    { "1.5", true, 3, nullptr, 0 },
    { "1.5", false, 2, "2", 2 },
#endif
};

INSTANTIATE_TEST_SUITE_P(Scales, Wayland, ::testing::ValuesIn(Cases), [](const auto &info) {
    std::string name = std::string("at_") + info.param.scale + (info.param.tiled ? "_tiled" : "_own_size");
    if (info.param.scaleWhileDrawn)
        name += std::string("_then_") + info.param.scaleWhileDrawn;
    for (char &ch : name)
        ch = ch == '.' ? '_' : ch;
    return name;
});

} // namespace
} // namespace e2e
