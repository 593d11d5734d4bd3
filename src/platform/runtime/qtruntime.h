// The run-time services on Qt and the system: numbered files, event processing and sleeping.
#pragma once

#include "platform/runtime/fileruntime.h"

namespace platform {

class QtRunTime : public FileRunTime
{
public:
    void doEvents() override;
    void Sleep(int milliseconds) override;
};

} // namespace platform
