// The huge directory: made once, then opened in a fresh window and timed with a heartbeat timer.
#include "listing.h"

#include "platform/controls/dirlistbox.h"
#include "platform/controls/filelistbox.h"
#include "window/frmmain.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

// This process's resident memory, in MiB.
double residentMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024;
    }
    return 0;
}

// Lets the window handle what is pending for a while: the view lays out and paints what it shows.
void settle()
{
    const auto start = Clock::now();
    while (seconds(start) < 0.3)
        QCoreApplication::processEvents();
}

} // namespace

Listing listHugeDirectory(const std::string &directory)
{
    const std::string empty = directory + "-empty";
    std::filesystem::create_directories(empty);
    std::filesystem::create_directories(directory);
    if (!std::filesystem::exists(directory + "/99999.scr")) {
        for (int i = 0; i < 100000; ++i)
            std::ofstream(directory + "/" + std::to_string(i) + ".scr");
    }
    // The writing of the files is the bench's own, not what a user opening such a folder meets.
    ::sync();
    frmMain window;
    window.Form_Load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was never shown");
    window.findChild<QWidget *>(QStringLiteral("frameNavigator"))->show();
    auto *directories = window.findChild<platform::DirListBox *>(QStringLiteral("Dir1"));
    auto *files = window.findChild<platform::FileListBox *>(QStringLiteral("File1"));
    directories->setPath(QString::fromStdString(empty));
    settle();
    const double emptyMiB = residentMiB();
    double longest = 0;
    auto last = Clock::now();
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longest = std::max(longest, seconds(last));
        last = Clock::now();
    });
    heartbeat.start(0);
    const auto start = Clock::now();
    last = start;
    directories->setPath(QString::fromStdString(directory));
    while (files->count() < 100000 && seconds(start) < 30)
        QCoreApplication::processEvents();
    const double listed = seconds(start);
    QCoreApplication::processEvents();
    longest = std::max(longest, seconds(last));
    heartbeat.stop();
    settle();
    return { listed, longest, residentMiB() - emptyMiB };
}
