// Event processing through Qt, sleeping through the standard library, files through the file table.
#include "platform/qtruntime.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace platform {

void QtRunTime::get(int fileNumber, long position, std::uint8_t &byte)
{
    table.get(fileNumber, position, byte);
}

void QtRunTime::closeAll()
{
    table.closeAll();
}

void QtRunTime::doEvents()
{
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
