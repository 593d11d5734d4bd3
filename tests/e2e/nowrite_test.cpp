// A whole session of the real program, traced: it writes, creates, renames and removes nothing,
// anywhere, starts no other process (no session bus either), and leaves its home and XDG folders empty.
#include "e2e/harness.h"
#include "support/tempdir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace e2e {
namespace {

// The calls that change a file system.
const std::vector<std::string> ChangingCalls { "creat", "rename", "renameat", "renameat2", "unlink", "unlinkat", "rmdir",
                                               "mkdir", "mkdirat", "truncate", "ftruncate", "link", "linkat", "symlink",
                                               "symlinkat", "mknod", "mknodat", "fallocate" };

// Whether one line of the trace ("PID call(arguments) = result") changes a file system: a changing
// call, or an open that may write or create.
bool changes(const std::string &line)
{
    const auto nameStart = line.find_first_not_of("0123456789 ");
    const auto nameEnd = line.find('(', nameStart);
    if (nameStart == std::string::npos || nameEnd == std::string::npos)
        return false;
    const std::string call = line.substr(nameStart, nameEnd - nameStart);
    if (call == "open" || call == "openat" || call == "openat2") {
        for (const char *flag : { "O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC" })
            if (line.find(flag) != std::string::npos)
                return true;
        return false;
    }
    return std::find(ChangingCalls.begin(), ChangingCalls.end(), call) != ChangingCalls.end();
}

TEST(EndToEnd, AWholeSessionWritesNothingAnywhere)
{
    Display display;
    ASSERT_TRUE(display.ok()) << "no X display: run under xvfb-run";
    testsupport::TempDir dir, home, logs;
    const auto first = testsupport::patternedScreen(71), second = testsupport::patternedScreen(72), inner = testsupport::patternedScreen(73);
    dir.write("1 first.scr", first);
    dir.write("2 second.scr", second);
    ::mkfifo((dir.path() + "/3 pipe.scr").c_str(), 0600);
    dir.write("4 empty.scr", {});
    dir.write("sub/inner.scr", inner);
    std::vector<std::pair<std::string, std::string>> environment { { "HOME", home.path() } };
    for (const char *name : { "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR" })
        environment.emplace_back(name, home.makeDirectory(name));
    std::filesystem::permissions(home.path() + "/XDG_RUNTIME_DIR", std::filesystem::perms::owner_all);
    const std::string trace = logs.path() + "/trace";

    // Started with no session bus, where a D-Bus library left to itself would launch one for the
    // display; execve shows every program started, the traced one first.
    std::string traced = "trace=execve,open,openat,openat2";
    for (const std::string &call : ChangingCalls)
        traced += "," + call;
    const std::vector<std::string> tracer { "env", "-u", "DBUS_SESSION_BUS_ADDRESS", "strace", "-f", "--seccomp-bpf", "-qq", "-o", trace, "-e", traced };
    Session session(display, dir.path(), tracer, environment);
    ASSERT_TRUE(session.start()) << "the window did not appear";
    // Each choice hides the panel; "open" brings it back with the keyboard in the file list.
    const auto openPanel = [&] {
        xdotool(click(session.client, 14, -10));
        ASSERT_TRUE(waitUntil([] { return visibleWindows() == 2; }, 20s)) << "the file menu did not open";
        xdotool(click(session.client, 30, 12));
        ASSERT_TRUE(waitUntil([] { return visibleWindows() == 1; }, 20s)) << "the file menu did not close";
    };
    const auto shows = [&](const std::vector<std::uint8_t> &file) {
        return waitUntil([&] { return session.picture() == testsupport::decodeScreen(file); });
    };
    // The first two files, the pipe (a report; the panel stays), the empty file.
    xdotool("key Down");
    EXPECT_TRUE(shows(first)) << "the first screen";
    openPanel();
    xdotool("key Down");
    EXPECT_TRUE(shows(second)) << "the second screen";
    openPanel();
    xdotool("key Down");
    ASSERT_TRUE(waitUntil([] { return visibleWindows() == 2; }, 30s)) << "the pipe was not reported";
    // The report takes the keyboard once it is active, which may come a little after it is shown:
    // Return is pressed until it closes (in the file list behind, Return does nothing).
    ASSERT_TRUE(waitUntil(
        [] {
            xdotool("key Return");
            return waitUntil([] { return visibleWindows() == 1; }, 2s);
        },
        60s))
        << "the report did not close";
    xdotool("key Down");
    EXPECT_TRUE(shows({})) << "the empty file";
    // Into "sub" with the directory list, then its file.
    openPanel();
    xdotool("key shift+Tab End Return Tab Down");
    EXPECT_TRUE(shows(inner)) << "the screen in sub";
    session.display.requestClose(*session.window);
    const auto status = session.program.waitForExit(30s);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_EQ(*status, 0);

    std::ifstream in(trace);
    ASSERT_TRUE(in) << "no trace: is strace installed?";
    int calls = 0, started = 0;
    for (std::string line; std::getline(in, line); ++calls) {
        if (line.find(" execve(") != std::string::npos && line.find(" = 0") != std::string::npos) {
            EXPECT_EQ(++started, 1) << "a process started: " << line;
            continue;
        }
        // A call that failed changed nothing (Qt tries to make its runtime folder, which exists);
        // /dev/null keeps nothing that is written to it.
        if (line.find(" = -1 ") != std::string::npos || line.find("\"/dev/null\"") != std::string::npos)
            continue;
        EXPECT_FALSE(changes(line)) << line;
    }
    EXPECT_GT(calls, 100) << "the trace saw the program's opens";
    for (const auto &entry : std::filesystem::recursive_directory_iterator(home.path()))
        EXPECT_TRUE(entry.is_directory()) << "left behind: " << entry.path();
    EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(home.path()), {}), 5) << "only the five folders it was given";
}

} // namespace
} // namespace e2e
