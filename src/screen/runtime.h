// The run-time services the screen renderer reads and paces itself through.
#pragma once

#include <cstdint>

namespace screen {

class RunTime
{
public:
    virtual ~RunTime() = default;

    // Reads the byte at a 1-based position of the open file with this number.
    // Throws the run time's own error when the number is not open or the read fails.
    virtual void get(int fileNumber, long position, std::uint8_t &byte) = 0;
    // Closes every open file; all numbers are free again.
    virtual void closeAll() = 0;
    // Handles every pending window event once.
    virtual void doEvents() = 0;
    // Pauses the thread; 0 gives up only the rest of the current time slice.
    virtual void Sleep(int milliseconds) = 0;
};

} // namespace screen
