// The end-to-end harness: starting the program, waiting, and the helpers that drive it.
#include "e2e/harness.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace e2e {

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

Program::Program(const std::string &directory, const std::vector<std::string> &prefix,
                 const std::vector<std::pair<std::string, std::string>> &environment)
{
    std::vector<std::string> command = prefix;
    command.push_back(TARNVEL_PROGRAM);
    pid = ::fork();
    if (pid == 0) {
        // The program draws on the X server under test, whatever platform the caller set.
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        for (const auto &[name, value] : environment)
            ::setenv(name.c_str(), value.c_str(), 1);
        std::vector<char *> arguments;
        for (std::string &word : command)
            arguments.push_back(word.data());
        arguments.push_back(nullptr);
        if (::chdir(directory.c_str()) == 0)
            ::execvp(arguments[0], arguments.data());
        std::_Exit(127);
    }
}

Program::~Program()
{
    if (pid > 0 && !status) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
}

std::optional<int> Program::waitForExit(Clock::duration limit)
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

bool waitUntil(const std::function<bool()> &condition, Clock::duration limit)
{
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

int visibleWindows()
{
    const std::string ids = run("xdotool search --onlyvisible --class tarnvel 2>/dev/null");
    return static_cast<int>(std::count(ids.begin(), ids.end(), '\n'));
}

std::string click(std::pair<int, int> client, int x, int y)
{
    return "mousemove " + std::to_string(client.first + x) + " " + std::to_string(client.second + y) + " click 1";
}

bool Session::start()
{
    return waitUntil([this] {
        window = display.findWindow(1s);
        client = window ? display.clientOrigin(*window) : std::pair { -1, -1 };
        return client.first >= 0;
    }, 30s);
}

} // namespace e2e
