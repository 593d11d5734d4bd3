// The run-time services on Qt and the system: numbered files, event processing and sleeping.
#pragma once

#include "platform/filetable.h"
#include "platform/runtime.h"

namespace platform {

class QtRunTime : public RunTime
{
public:
    void get(int fileNumber, long position, std::uint8_t &byte) override;
    void closeAll() override;
    void doEvents() override;
    void Sleep(int milliseconds) override;

    FileTable &files() { return table; }
    const FileTable &files() const { return table; }

private:
    FileTable table;
};

} // namespace platform
