// The menu from the keyboard, on screen at 100 % and 150 %: F10 opens `file` with `open` taken by
// Enter; Alt alone highlights `file` as the pointer over it does; Escape gives the keyboard back.
#include "e2e/harness.h"
#include "support/tempdir.h"

#include <algorithm>

namespace e2e {
namespace {

// A screen of one paper colour all over.
std::vector<std::uint8_t> paperScreen(std::uint8_t paper)
{
    std::vector<std::uint8_t> screen(6912, 0);
    std::fill(screen.begin() + 6144, screen.end(), static_cast<std::uint8_t>(paper << 3));
    return screen;
}

class MenuKeys : public ::testing::TestWithParam<const char *> // QT_SCALE_FACTOR
{
};

TEST_P(MenuKeys, F10OpensTheFileMenuAndAltHighlightsItUntilEscape)
{
    Display display;
    ASSERT_TRUE(display.ok()) << "no X display: run under xvfb-run";
    testsupport::TempDir dir;
    dir.write("1 red.scr", paperScreen(2));
    dir.write("2 green.scr", paperScreen(4));
    Session session(display, dir.path(), {}, { { "QT_SCALE_FACTOR", GetParam() } });
    ASSERT_TRUE(session.start()) << "the window did not appear";

    // In device pixels, at the start rule's multiple m: the menu bar's strip at the window's top,
    // and the middle of the window, where the picture lies and the panel over it when shown.
    const int m = std::string(GetParam()) == "1" ? 1 : 2;
    const Display::Frame window = display.frame(*session.window);
    const auto bar = [&] { return display.grab(window.x, window.y, window.width, 16 * m); };
    const auto middleIs = [&](testsupport::Rgb colour) {
        const auto pixels = display.grab(window.x + window.width / 2 - 16, window.y + window.height / 2 - 16, 32, 32);
        return !pixels.empty() && std::all_of(pixels.begin(), pixels.end(), [&](const testsupport::Rgb &p) { return p == colour; });
    };
    const testsupport::Rgb red { 200, 0, 0 }, green { 0, 200, 0 };
    const auto pointAt = [&](int x, int y) { xdotool("mousemove " + std::to_string(window.x + x * m) + " " + std::to_string(window.y + y * m)); };

    pointAt(FileListLeft + 40, 30 + FileListTop + 70); // the file list below its names, under a menu bar of 20 to 30
    xdotool("click 1 key Down");
    ASSERT_TRUE(waitUntil([&] { return middleIs(red); })) << "the first screen was not drawn";
    const auto idle = bar();
    pointAt(8, 8); // over file
    ASSERT_TRUE(waitUntil([&] { return bar() != idle; }, 20s)) << "the pointer over file does not highlight it";
    const auto pointedAt = bar();
    pointAt(200, 280);
    ASSERT_TRUE(waitUntil([&] { return bar() == idle; }, 20s));

    xdotool("key F10");
    ASSERT_TRUE(waitUntil([] { return visibleWindows() == 2; }, 20s)) << "F10 did not open the file menu";
    xdotool("key Return");
    EXPECT_TRUE(waitUntil([&] { return visibleWindows() == 1 && !middleIs(red); }, 20s)) << "Enter did not choose open: no panel over the picture";

    xdotool("key alt");
    EXPECT_TRUE(waitUntil([&] { return bar() == pointedAt; }, 20s)) << "Alt did not highlight file as the pointer does";
    xdotool("key Escape");
    EXPECT_TRUE(waitUntil([&] { return bar() == idle; }, 20s)) << "Escape left file highlighted";
    xdotool("key End"); // back in the file list, End chooses the last file
    EXPECT_TRUE(waitUntil([&] { return middleIs(green); })) << "the keyboard did not go back to the file list";
}

INSTANTIATE_TEST_SUITE_P(Scales, MenuKeys, ::testing::Values("1", "1.5"),
                         [](const auto &info) { return std::string(info.param) == "1" ? "At100" : "At150"; });

} // namespace
} // namespace e2e
