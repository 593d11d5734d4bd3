// The end-to-end harness: the real program started under an X server and driven as a user drives
// it with xdotool; the screen read back through XCB.
#pragma once

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <thread>
#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

#include "support/screendecode.h"

namespace e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The window's client area is 402 × 286 below the menu bar; these places are within it.
constexpr int ClientHeight = 286;
constexpr int PictureLeft = 72, PictureTop = 48;
constexpr int DirListLeft = 160, DirListTop = 48;
constexpr int FileListLeft = 56, FileListTop = 144;

// The output of a shell command.
std::string run(const std::string &command);
void xdotool(const std::string &arguments);

// The program, started in a directory; it is killed if a test leaves it running.
class Program
{
public:
    // prefix runs the program (a tracer, say); environment is added to the test's own.
    explicit Program(const std::string &directory, const std::vector<std::string> &prefix = {},
                     const std::vector<std::pair<std::string, std::string>> &environment = {});
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;
    // The exit status once the program has ended within the time given; nothing if it is still running.
    std::optional<int> waitForExit(Clock::duration limit);

private:
    pid_t pid = -1;
    std::optional<int> status;
};

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

    struct Frame
    {
        int x = -1, y = -1, width = 0, height = 0;
    };
    // Where the window lies on the screen.
    Frame frame(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
            xcb_get_geometry_reply(connection.get(), xcb_get_geometry(connection.get(), window), nullptr), &std::free);
        std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> origin(
            xcb_translate_coordinates_reply(connection.get(), xcb_translate_coordinates(connection.get(), window, root, 0, 0), nullptr),
            &std::free);
        if (!geometry || !origin)
            return {};
        return { origin->dst_x, origin->dst_y, geometry->width, geometry->height };
    }

    // The top-left corner of the window's client area at 100 %, in screen coordinates.
    std::pair<int, int> clientOrigin(xcb_window_t window)
    {
        const Frame f = frame(window);
        return f.width ? std::pair { f.x, f.y + f.height - ClientHeight } : std::pair { -1, -1 };
    }

    // The pixels of the screen's rectangle at (left, top), row by row; 256 × 192 unless told.
    std::vector<testsupport::Rgb> grab(int left, int top, int width = 256, int height = 192)
    {
        std::vector<testsupport::Rgb> pixels;
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
            xcb_get_image_reply(connection.get(),
                                xcb_get_image(connection.get(), XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<int16_t>(left),
                                              static_cast<int16_t>(top), static_cast<uint16_t>(width), static_cast<uint16_t>(height), ~0u),
                                nullptr),
            &std::free);
        if (!image || xcb_get_image_data_length(image.get()) < width * height * 4)
            return pixels;
        const uint8_t *data = xcb_get_image_data(image.get());
        for (int i = 0; i < width * height; ++i) // 32 bits a pixel: blue, green, red, unused
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
bool waitUntil(const std::function<bool()> &condition, Clock::duration limit = 120s);

// The program's windows on screen: the main window, and a menu or a report while one is open.
int visibleWindows();

// The xdotool words that click at (x, y) of the client area.
std::string click(std::pair<int, int> client, int x, int y);

// The program started on a directory of screens, with its window found. The display outlives the
// sessions: an X server with no clients left resets itself, which breaks the next connection.
struct Session
{
    Session(Display &display, const std::string &directory, const std::vector<std::string> &prefix = {},
            const std::vector<std::pair<std::string, std::string>> &environment = {})
        : display(display), program(directory, prefix, environment)
    {
    }
    // Waits for the window; false if it did not appear.
    bool start();
    // The 256 × 192 pixels of the picture area as the screen shows them.
    std::vector<testsupport::Rgb> picture() { return display.grab(client.first + PictureLeft, client.second + PictureTop); }

    Display &display;
    Program program;
    std::optional<xcb_window_t> window;
    std::pair<int, int> client { -1, -1 };
};

} // namespace e2e
