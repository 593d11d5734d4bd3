// The run-time services over numbered files alone: no window events to process and no pauses.
#pragma once

#include "platform/fileruntime/filetable.h"
#include "screen/runtime.h"

namespace platform {

// Draws a screen as fast as it can be read: for pictures that nobody watches being built.
class FileRunTime : public screen::RunTime
{
public:
    void get(int fileNumber, long position, std::uint8_t &byte) override;
    void closeAll() override;
    void doEvents() override {}
    void Sleep(int) override {}

    FileTable &files() { return table; }
    const FileTable &files() const { return table; }

private:
    FileTable table;
};

} // namespace platform
