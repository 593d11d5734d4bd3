// The real program's renders, watched through inotify: its open and close of the screen file.
#include "userrender.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for the next open (or close) of a screen file in the watched directory; false after 30 s.
bool nextEvent(int watch, std::uint32_t wanted)
{
    const auto end = Clock::now() + std::chrono::seconds(30);
    alignas(inotify_event) char buffer[4096];
    while (Clock::now() < end) {
        pollfd ready { watch, POLLIN, 0 };
        if (::poll(&ready, 1, 100) <= 0)
            continue;
        const ssize_t got = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < got;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if ((event->mask & wanted) && event->len > 0 && std::strstr(event->name, ".scr"))
                return true;
        }
    }
    return false;
}

} // namespace

std::vector<double> userRenderRatios(const std::string &program, const std::string &directory, const char *scale, int renders,
                                     const std::function<double()> &floor)
{
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ::inotify_add_watch(watch, directory.c_str(), IN_OPEN | IN_CLOSE_NOWRITE);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(directory.c_str()) != 0)
            ::_exit(127);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        ::setenv("QT_SCALE_FACTOR", scale, 1);
        ::execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    // The window takes the keyboard once it is shown; the file list has the focus in it.
    if (std::system("xdotool search --sync --onlyvisible --name '^Tarnvel$' windowfocus --sync >/dev/null 2>&1") != 0)
        throw std::runtime_error("the program's window did not appear");
    std::vector<double> ratios;
    for (int i = 0; i < renders; ++i) {
        const double paced = floor();
        const char *key = i == 0 ? "Down" : i % 2 ? "Right" : "Left";
        if (std::system((std::string("xdotool key ") + key).c_str()) != 0 || !nextEvent(watch, IN_OPEN))
            throw std::runtime_error("the program did not open the chosen file");
        const auto opened = Clock::now();
        if (!nextEvent(watch, IN_CLOSE_NOWRITE))
            throw std::runtime_error("the program did not finish the render");
        ratios.push_back(std::chrono::duration<double>(Clock::now() - opened).count() / paced);
    }
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    ::close(watch);
    return ratios;
}
