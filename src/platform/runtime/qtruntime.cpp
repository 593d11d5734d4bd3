// Event processing through Qt, sleeping through the standard library.
#include "platform/runtime/qtruntime.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace platform {

void QtRunTime::doEvents()
{
    if (beforeEvents)
        beforeEvents();
    QCoreApplication::processEvents();
}

void QtRunTime::Sleep(int milliseconds)
{
    // sleep_for(0ms) returns without entering the kernel, so a zero sleep yields explicitly.
    if (milliseconds <= 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace platform
