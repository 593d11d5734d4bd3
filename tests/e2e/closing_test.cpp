// Closing the real program's window at any moment, as a window manager does, ends it with status 0.
#include "e2e/harness.h"
#include "support/tempdir.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <sys/stat.h>
#include <thread>

namespace e2e {
namespace {

TEST(EndToEnd, ClosingTheWindowAtAnyMomentEndsTheProgramWithStatusZero)
{
    Display display;
    ASSERT_TRUE(display.ok()) << "no X display: run under xvfb-run";
    testsupport::TempDir dir;
    for (const char *name : { "a.scr", "b.scr", "c.scr" })
        dir.write(name, testsupport::patternedScreen(name[0]));
    // Moments after a click on a file: the first few milliseconds, then all through the render and after it.
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> early(0, 30), anyTime(0, 2600);
    constexpr int Closes = 100;
    Clock::duration slowest {};
    for (int run = 0; run < Closes; ++run) {
        Session session(display, dir.path());
        ASSERT_TRUE(session.start()) << "the window did not appear";
        const int row = run % 3;
        const int delay = run % 3 == 0 ? early(random) : anyTime(random);
        xdotool(click(session.client, FileListLeft + 40, FileListTop + 8 + 16 * row));
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        const auto closed = Clock::now();
        session.display.requestClose(*session.window);
        // A close that is lost leaves the program waiting for good; the limit only tells that apart.
        const auto status = session.program.waitForExit(10s);
        ASSERT_TRUE(status) << "run " << run << ": the program did not end after a close " << delay << " ms after a click";
        EXPECT_EQ(*status, 0) << "run " << run;
        slowest = std::max(slowest, Clock::now() - closed);
    }
    std::printf("slowest end after a close: %lld ms\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(slowest).count()));
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
} // namespace e2e
