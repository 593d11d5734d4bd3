// Finding out whether a session bus exists, the way the D-Bus library itself would look for one.
#include "platform/runtime/sessionbus.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace platform {

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// The user's own bus, which a systemd session (or any that follows it) keeps in the runtime folder.
bool userBusExists()
{
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    struct stat info {};
    return !runtime.empty() && ::stat((runtime + "/bus").c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

std::string firstLineOf(const char *path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// A bus that dbus-launch has already started for this X display. It notes the bus in the home
// folder under the machine's id and the display's number; the bus is there while its process lives.
bool displayBusExists()
{
    const std::string display = environment("DISPLAY");
    const std::string home = environment("HOME");
    const auto colon = display.rfind(':');
    if (display.empty() || home.empty() || colon == std::string::npos)
        return false;
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    std::string machine = firstLineOf("/etc/machine-id");
    if (machine.empty())
        machine = firstLineOf("/var/lib/dbus/machine-id");
    if (machine.empty() || number.empty())
        return false;
    std::ifstream note(home + "/.dbus/session-bus/" + machine + "-" + number);
    const std::string pidKey = "DBUS_SESSION_BUS_PID=";
    for (std::string line; std::getline(note, line);) {
        if (line.rfind(pidKey, 0) != 0)
            continue;
        const long pid = std::strtol(line.c_str() + pidKey.size(), nullptr, 10);
        return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
    }
    return false;
}

} // namespace

void refuseSessionBusLaunch()
{
    if (!environment("DBUS_SESSION_BUS_ADDRESS").empty() || userBusExists() || displayBusExists())
        return;
    // The library's own word for "there is no session bus": asking for it then fails at once.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

} // namespace platform
