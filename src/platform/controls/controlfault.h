// A fault in one of a control's own event handlers, sent to the control's window: the one place
// that receives the faults of every control (the main window ends the program with the report).
#pragma once

#include <QEvent>

#include <exception>

class QWidget;

namespace platform {

class ControlFault final : public QEvent
{
public:
    explicit ControlFault(std::exception_ptr fault);

    static QEvent::Type eventType();
    // Sends fault to control's window at once. A window that does not take it ignores it.
    static void send(QWidget &control, std::exception_ptr fault);

    std::exception_ptr fault() const { return thrown; }

private:
    std::exception_ptr thrown;
};

} // namespace platform
