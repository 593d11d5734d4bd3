// The real program under an X server, driven as a user drives it: menu, directory list, file list,
// and closing the window; what it draws is read back from the screen.
#include "support/screendecode.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <chrono>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The window's client area is 402 × 286 below the menu bar; these places are within it.
constexpr int ClientHeight = 286;
constexpr int PictureLeft = 72, PictureTop = 48;
constexpr int DirListLeft = 160, DirListTop = 48;
constexpr int FileListLeft = 56, FileListTop = 144;

std::string run(const std::string &command)
{
    std::string output;
    if (FILE *pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        ::pclose(pipe);
    }
    return output;
}

void xdotool(const std::string &arguments)
{
    ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
}

// The program, started in a directory; it is killed if a test leaves it running.
class Program
{
public:
    explicit Program(const std::string &directory)
    {
        pid = ::fork();
        if (pid == 0) {
            // The program draws on the X server under test, whatever platform the caller set.
            ::setenv("QT_QPA_PLATFORM", "xcb", 1);
            if (::chdir(directory.c_str()) == 0)
                ::execl(TARNVEL_PROGRAM, TARNVEL_PROGRAM, static_cast<char *>(nullptr));
            std::_Exit(127);
        }
    }
    ~Program()
    {
        if (pid > 0 && !status) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
    // The exit status once the program has ended within the time given; nothing if it is still running.
    std::optional<int> waitForExit(Clock::duration limit)
    {
        const auto end = Clock::now() + limit;
        while (!status && Clock::now() < end) {
            int raw = 0;
            if (::waitpid(pid, &raw, WNOHANG) == pid)
                status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            else
                std::this_thread::sleep_for(20ms);
        }
        return status;
    }

private:
    pid_t pid = -1;
    std::optional<int> status;
};

// The X display: where the window is, what the screen shows, and the window manager's close request.
class Display
{
public:
    Display() : connection(xcb_connect(nullptr, nullptr), &xcb_disconnect)
    {
        root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    }
    bool ok() const { return xcb_connection_has_error(connection.get()) == 0; }

    // The program's main window, once it is shown.
    std::optional<xcb_window_t> findWindow(Clock::duration limit)
    {
        const auto end = Clock::now() + limit;
        while (Clock::now() < end) {
            const std::string id = run("xdotool search --onlyvisible --name '^Tarnvel$' 2>/dev/null | head -n 1");
            if (!id.empty())
                return static_cast<xcb_window_t>(std::stoul(id));
            std::this_thread::sleep_for(100ms);
        }
        return std::nullopt;
    }

    // The top-left corner of the window's client area, in screen coordinates.
    std::pair<int, int> clientOrigin(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
            xcb_get_geometry_reply(connection.get(), xcb_get_geometry(connection.get(), window), nullptr), &std::free);
        std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> origin(
            xcb_translate_coordinates_reply(connection.get(), xcb_translate_coordinates(connection.get(), window, root, 0, 0), nullptr),
            &std::free);
        if (!geometry || !origin)
            return { -1, -1 };
        return { origin->dst_x, origin->dst_y + geometry->height - ClientHeight };
    }

    // The 256 × 192 pixels at (left, top) of the screen.
    std::vector<testsupport::Rgb> grab(int left, int top)
    {
        std::vector<testsupport::Rgb> pixels;
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
            xcb_get_image_reply(connection.get(),
                                xcb_get_image(connection.get(), XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<int16_t>(left),
                                              static_cast<int16_t>(top), 256, 192, ~0u),
                                nullptr),
            &std::free);
        if (!image || xcb_get_image_data_length(image.get()) < 256 * 192 * 4)
            return pixels;
        const uint8_t *data = xcb_get_image_data(image.get());
        for (int i = 0; i < 256 * 192; ++i) // 32 bits a pixel: blue, green, red, unused
            pixels.push_back({ data[4 * i + 2], data[4 * i + 1], data[4 * i] });
        return pixels;
    }

    // Asks the window to close, as a window manager's close button does.
    void requestClose(xcb_window_t window)
    {
        const auto atom = [this](const char *name) {
            std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
                xcb_intern_atom_reply(connection.get(), xcb_intern_atom(connection.get(), 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
                &std::free);
            return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        };
        xcb_client_message_event_t message {};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = atom("WM_PROTOCOLS");
        message.data.data32[0] = atom("WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection.get(), 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&message));
        xcb_flush(connection.get());
    }

private:
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection;
    xcb_window_t root = 0;
};

// Waits until condition holds; returns whether it did in time.
bool waitUntil(const std::function<bool()> &condition, Clock::duration limit = 120s)
{
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

// The program's windows on screen: the main window, and a menu while one is open.
int visibleWindows()
{
    const std::string ids = run("xdotool search --onlyvisible --class tarnvel 2>/dev/null");
    return static_cast<int>(std::count(ids.begin(), ids.end(), '\n'));
}

std::string click(std::pair<int, int> client, int x, int y)
{
    return "mousemove " + std::to_string(client.first + x) + " " + std::to_string(client.second + y) + " click 1";
}

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

    // Once more, back up to the first, and close the window while the picture builds up.
    openPanel();
    xdotool("key Up");
    ASSERT_TRUE(waitUntil([&] { return picture() != second; }, 20s)) << "the first screen did not start";
    display.requestClose(*window);
    const auto status = program.waitForExit(20s);
    ASSERT_TRUE(status) << "the program did not end after its window was closed";
    EXPECT_EQ(*status, 0);
}

// The program started on a directory of screens, with its window found. The display outlives the
// sessions: an X server with no clients left resets itself, which breaks the next connection.
struct Session
{
    Session(Display &display, const std::string &directory) : display(display), program(directory) {}
    bool start()
    {
        return waitUntil([this] {
            window = display.findWindow(1s);
            client = window ? display.clientOrigin(*window) : std::pair { -1, -1 };
            return client.first >= 0;
        }, 30s);
    }
    Display &display;
    Program program;
    std::optional<xcb_window_t> window;
    std::pair<int, int> client { -1, -1 };
};

TEST(EndToEnd, ClosingTheWindowAtAnyMomentEndsTheProgramWithStatusZero)
{
    Display display;
    ASSERT_TRUE(display.ok()) << "no X display: run under xvfb-run";
    testsupport::TempDir dir;
    for (const char *name : { "a.scr", "b.scr", "c.scr" })
        dir.write(name, testsupport::patternedScreen(name[0]));
    // Moments after a click on a file: the first few milliseconds, then all through the render and after it.
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> early(0, 30), anyTime(0, 3000);
    constexpr int Closes = 30;
    for (int run = 0; run < Closes; ++run) {
        Session session(display, dir.path());
        ASSERT_TRUE(session.start()) << "the window did not appear";
        const int row = run % 3;
        const int delay = run % 3 == 0 ? early(random) : anyTime(random);
        xdotool(click(session.client, FileListLeft + 40, FileListTop + 8 + 16 * row));
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        session.display.requestClose(*session.window);
        const auto status = session.program.waitForExit(10s);
        ASSERT_TRUE(status) << "run " << run << ": the program did not end after a close " << delay << " ms after a click";
        EXPECT_EQ(*status, 0) << "run " << run;
    }
}

TEST(EndToEnd, ClosingTheWindowWhileAReportIsShownEndsTheProgram)
{
    Display display;
    ASSERT_TRUE(display.ok()) << "no X display: run under xvfb-run";
    testsupport::TempDir dir;
    const std::string pipe = dir.path() + "/a pipe.scr";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    Session session(display, dir.path());
    ASSERT_TRUE(session.start()) << "the window did not appear";
    xdotool(click(session.client, FileListLeft + 40, FileListTop + 8));
    ASSERT_TRUE(waitUntil([] { return visibleWindows() == 2; }, 20s)) << "the report did not appear";
    session.display.requestClose(*session.window);
    const auto status = session.program.waitForExit(10s);
    ASSERT_TRUE(status) << "the program did not end after its window was closed";
    EXPECT_EQ(*status, 0);
}

} // namespace
