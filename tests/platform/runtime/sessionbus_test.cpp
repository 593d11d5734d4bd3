// The session bus is left to the D-Bus library wherever one can be found, and refused where none can.
#include "platform/runtime/sessionbus.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

std::string machineId()
{
    for (const char *path : { "/etc/machine-id", "/var/lib/dbus/machine-id" }) {
        std::ifstream in(path);
        std::string id;
        if (std::getline(in, id) && !id.empty())
            return id;
    }
    return {};
}

TEST(SessionBus, IsRefusedOnlyWhereNoneCanBeFound)
{
    const struct
    {
        const char *where;
        std::function<void(const testsupport::TempDir &home)> make;
        const char *address; // what the library is then told, nothing if it is left alone
    } cases[] = {
        { "no bus anywhere", [](const auto &) {}, "disabled:" },
        { "an address in the environment", [](const auto &) { ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nowhere", 1); }, "unix:path=/nowhere" },
        { "the user's bus in the runtime folder",
          [](const auto &home) {
              sockaddr_un address {};
              address.sun_family = AF_UNIX;
              (home.path() + "/run/bus").copy(address.sun_path, sizeof address.sun_path - 1);
              const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
              ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
              ::close(s);
          },
          nullptr },
        { "a bus launched for the display, still running",
          [](const auto &home) { std::ofstream(home.write(".dbus/session-bus/" + machineId() + "-57", {})) << "DBUS_SESSION_BUS_PID=" << ::getpid() << "\n"; },
          nullptr },
        { "a bus launched for the display, ended",
          [](const auto &home) { std::ofstream(home.write(".dbus/session-bus/" + machineId() + "-57", {})) << "DBUS_SESSION_BUS_PID=999999999\n"; },
          "disabled:" },
        { "a bus launched for another display",
          [](const auto &home) { std::ofstream(home.write(".dbus/session-bus/" + machineId() + "-58", {})) << "DBUS_SESSION_BUS_PID=" << ::getpid() << "\n"; },
          "disabled:" },
    };
    if (machineId().empty())
        GTEST_SKIP() << "this machine has no machine id";
    // The test's own environment comes back afterwards.
    std::vector<std::pair<const char *, std::optional<std::string>>> saved;
    for (const char *name : { "DBUS_SESSION_BUS_ADDRESS", "HOME", "XDG_RUNTIME_DIR", "DISPLAY" }) {
        const char *value = std::getenv(name);
        saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    for (const auto &c : cases) {
        testsupport::TempDir home;
        home.makeDirectory("run");
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        ::setenv("HOME", home.path().c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (home.path() + "/run").c_str(), 1);
        ::setenv("DISPLAY", ":57.0", 1);
        c.make(home);
        platform::refuseSessionBusLaunch();
        const char *told = std::getenv("DBUS_SESSION_BUS_ADDRESS");
        EXPECT_EQ(told ? std::string(told) : "(left alone)", c.address ? c.address : "(left alone)") << c.where;
    }
    for (const auto &[name, value] : saved)
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
}

} // namespace
