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

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

} // namespace

std::pair<double, double> listHugeDirectory(const std::string &directory)
{
    std::filesystem::create_directories(directory);
    for (int i = 0; i < 100000; ++i)
        std::ofstream(directory + "/" + std::to_string(i) + ".scr");
    frmMain window;
    window.Form_Load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was never shown");
    window.findChild<QWidget *>(QStringLiteral("frameNavigator"))->show();
    auto *directories = window.findChild<platform::DirListBox *>(QStringLiteral("Dir1"));
    auto *files = window.findChild<platform::FileListBox *>(QStringLiteral("File1"));
    QCoreApplication::processEvents();
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
    return { listed, longest };
}
