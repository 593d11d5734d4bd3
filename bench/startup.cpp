// Start-up measured from outside: the screen polled through XCB, memory read from /proc.
#include "startup.h"

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool showsGrey(xcb_connection_t *connection, xcb_window_t root, int x, int y)
{
    const auto cookie = xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, std::int16_t(x), std::int16_t(y), 1, 1, ~0u);
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(xcb_get_image_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return false;
    const std::uint8_t *pixel = xcb_get_image_data(reply.get());
    return pixel[0] == 220 && pixel[1] == 220 && pixel[2] == 220;
}

double peakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6));
    }
    return 0;
}

} // namespace

StartUp measureStartUp(const std::string &program, const std::string &directory, int x, int y)
{
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    if (showsGrey(connection.get(), root, x, y))
        throw std::runtime_error("the screen is already grey where the window will be");

    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(directory.c_str()) != 0)
            ::_exit(127);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        ::execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    StartUp result;
    while (!showsGrey(connection.get(), root, x, y)) {
        if (Clock::now() - start > std::chrono::seconds(10)) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            throw std::runtime_error(program + " showed no window");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    result.firstFrameSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // settled
    result.peakMemoryKiB = peakKiB(pid);
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    // The next program must find the screen without this one's grey.
    while (showsGrey(connection.get(), root, x, y))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return result;
}
