// The run-time services on Qt and the system: numbered files, event processing and sleeping.
#pragma once

#include "platform/fileruntime/fileruntime.h"

#include <functional>

namespace platform {

class QtRunTime : public FileRunTime
{
public:
    void doEvents() override;
    // Called at the start of every doEvents(), before the events are handled.
    void setBeforeEvents(std::function<void()> action) { beforeEvents = std::move(action); }
    void Sleep(int milliseconds) override;

private:
    std::function<void()> beforeEvents;
};

} // namespace platform
