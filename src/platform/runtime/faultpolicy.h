// How every handler meets failure: a run-time error is about what the user asked for and is
// reported, so the program goes on; anything else is a fault that ends it with the report.
#pragma once

#include "platform/fileruntime/runtimeerror.h"

#include <exception>
#include <utility>

namespace platform {

// Runs handler; a run-time error it throws goes to onError, anything else to onFault as it was
// thrown. Nothing escapes into the event loop.
template <typename Handler, typename OnError, typename OnFault>
void runHandler(Handler &&handler, OnError &&onError, OnFault &&onFault)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const RunTimeError &error) {
        onError(error);
    } catch (...) {
        onFault(std::current_exception());
    }
}

} // namespace platform
