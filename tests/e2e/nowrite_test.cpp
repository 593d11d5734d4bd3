// A whole session of the real program, traced: it writes, creates, renames and removes nothing,
// anywhere, and leaves its home and XDG folders empty.
#include "e2e/harness.h"
#include "support/tempdir.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sys/stat.h>

namespace e2e {
namespace {

// The calls that change a file system, and the open flags that could.
const char *const ChangingCalls = "creat,rename,renameat,renameat2,unlink,unlinkat,rmdir,mkdir,mkdirat,truncate,ftruncate,"
                                  "link,linkat,symlink,symlinkat,mknod,mknodat,fallocate";
const std::regex WritingOpen(R"(\b(open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC))");
const std::regex ChangingCall(R"(^\d+\s+(creat|rename|renameat|renameat2|unlink|unlinkat|rmdir|mkdir|mkdirat|truncate|ftruncate|link|linkat|symlink|symlinkat|mknod|mknodat|fallocate)\()");

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

    const std::vector<std::string> tracer { "strace", "-f", "--seccomp-bpf", "-qq", "-o", trace,
                                            "-e", std::string("trace=open,openat,openat2,") + ChangingCalls };
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
    xdotool("key Return");
    ASSERT_TRUE(waitUntil([] { return visibleWindows() == 1; }, 30s)) << "the report did not close";
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
    int calls = 0;
    for (std::string line; std::getline(in, line); ++calls) {
        // A call that failed changed nothing (Qt tries to make its runtime folder, which exists);
        // /dev/null keeps nothing that is written to it.
        if (line.find(" = -1 ") != std::string::npos || line.find("\"/dev/null\"") != std::string::npos)
            continue;
        EXPECT_FALSE(std::regex_search(line, WritingOpen)) << line;
        EXPECT_FALSE(std::regex_search(line, ChangingCall)) << line;
    }
    EXPECT_GT(calls, 100) << "the trace saw the program's opens";
    for (const auto &entry : std::filesystem::recursive_directory_iterator(home.path()))
        EXPECT_TRUE(entry.is_directory()) << "left behind: " << entry.path();
    EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(home.path()), {}), 5) << "only the five folders it was given";
}

} // namespace
} // namespace e2e
