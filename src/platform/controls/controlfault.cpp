// The control fault event, of a type of its own registered with Qt once.
#include "platform/controls/controlfault.h"

#include <QCoreApplication>
#include <QWidget>

#include <utility>

namespace platform {

ControlFault::ControlFault(std::exception_ptr fault)
    : QEvent(eventType())
    , thrown(std::move(fault))
{
}

QEvent::Type ControlFault::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void ControlFault::send(QWidget &control, std::exception_ptr fault)
{
    ControlFault event(std::move(fault));
    QCoreApplication::sendEvent(control.window(), &event);
}

} // namespace platform
