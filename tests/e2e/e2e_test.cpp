// The real program under an X server, driven as a user drives it: menu, directory list, file list,
// a key that browses, and closing the window; what it draws is read back from the screen.
#include "e2e/harness.h"
#include "support/tempdir.h"

namespace e2e {
namespace {

TEST(EndToEnd, AUserOpensScreensFromTheNavigatorAndClosesTheWindowWhileOneIsDrawn)
{
    Display display;
    ASSERT_TRUE(display.ok()) << "no X display: run under xvfb-run";

    testsupport::TempDir dir;
    const std::string start = dir.makeDirectory("start");
    const auto firstFile = testsupport::patternedScreen(31);
    const auto secondFile = testsupport::patternedScreen(32);
    dir.write("start/screens/1 first.scr", firstFile);
    dir.write("start/screens/2 second.scr", secondFile);

    Program program(start);
    const auto window = display.findWindow(30s);
    ASSERT_TRUE(window) << "the window did not appear";
    const auto client = display.clientOrigin(*window);
    ASSERT_GE(client.first, 0);

    const auto picture = [&] { return display.grab(client.first + PictureLeft, client.second + PictureTop); };
    const auto first = testsupport::decodeScreen(firstFile);
    const auto second = testsupport::decodeScreen(secondFile);

    // The panel is open from the start: open "screens", the last entry of the directory list, with
    // the keyboard, then select the first file with the mouse.
    xdotool(click(client, DirListLeft + 40, DirListTop + 8));
    xdotool("key End Return");
    xdotool(click(client, FileListLeft + 40, FileListTop + 8));
    EXPECT_TRUE(waitUntil([&] { return picture() == first; })) << "the first screen was not drawn exactly";

    // file, open: the panel again, with the keyboard in the file list; move down to the second file.
    const auto openPanel = [&] {
        xdotool(click(client, 14, -10));
        ASSERT_TRUE(waitUntil([] { return visibleWindows() == 2; }, 20s)) << "the file menu did not open";
        xdotool(click(client, 30, 12));
        ASSERT_TRUE(waitUntil([] { return visibleWindows() == 1; }, 20s)) << "the file menu did not close";
    };
    openPanel();
    xdotool("key Down");
    EXPECT_TRUE(waitUntil([&] { return picture() == second; })) << "the second screen was not drawn exactly";

    // With the panel hidden, Left goes back to the first screen.
    xdotool("key Left");
    EXPECT_TRUE(waitUntil([&] { return picture() == first; })) << "Left did not draw the previous screen";

    // Once more, down to the second; while it builds up, the panel shown over it stays as it is:
    // nothing is drawn over it. Then close the window.
    openPanel();
    xdotool("key Down");
    ASSERT_TRUE(waitUntil([&] { return picture() != first; }, 20s)) << "the second screen did not start";
    openPanel();
    const auto panelNow = picture();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(picture(), panelNow) << "the picture was drawn over the panel";
    display.requestClose(*window);
    const auto status = program.waitForExit(20s);
    ASSERT_TRUE(status) << "the program did not end after its window was closed";
    EXPECT_EQ(*status, 0);
}

} // namespace
} // namespace e2e
