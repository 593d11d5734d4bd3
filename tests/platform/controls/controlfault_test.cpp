// Where a control's fault goes: to its window, as it was thrown.
#include "platform/controls/controlfault.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A window that keeps the faults its controls send it.
class Window : public QWidget
{
public:
    std::exception_ptr fault;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != platform::ControlFault::eventType())
            return QWidget::event(event);
        fault = static_cast<platform::ControlFault *>(event)->fault();
        return true;
    }
};

TEST(ControlFault, ReachesItsWindowAsItWasThrown)
{
    Window window;
    auto *control = new QWidget(new QWidget(&window));
    platform::ControlFault::send(*control, std::make_exception_ptr(std::logic_error("in a list")));
    ASSERT_TRUE(window.fault);
    try {
        std::rethrow_exception(window.fault);
    } catch (const std::logic_error &error) {
        EXPECT_STREQ(error.what(), "in a list");
    }
}

} // namespace
