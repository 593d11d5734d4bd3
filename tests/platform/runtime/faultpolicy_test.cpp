// Where a handler's failures go: run-time errors to its answer, anything else to the fatal path,
// and a control's fault to its window.
#include "platform/controls/controlfault.h"
#include "platform/runtime/faultpolicy.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

TEST(FaultPolicy, RunTimeErrorsGoToTheAnswerAndEverythingElseToTheFatalPath)
{
    struct Case
    {
        std::function<void()> handler;
        int errors, faults;
    };
    const Case cases[] = {
        { [] {}, 0, 0 },
        { [] { throw platform::RunTimeError(platform::RunTimeError::PathNotFound); }, 1, 0 },
        { [] { throw std::logic_error("a fault"); }, 0, 1 },
        { [] { throw 42; }, 0, 1 },
    };
    for (const Case &c : cases) {
        int errors = 0, faults = 0;
        platform::runHandler(c.handler, [&](const platform::RunTimeError &) { ++errors; }, [&](std::exception_ptr fault) {
            ++faults;
            EXPECT_TRUE(fault);
        });
        EXPECT_EQ(errors, c.errors);
        EXPECT_EQ(faults, c.faults);
    }
}

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

TEST(FaultPolicy, AControlsFaultReachesItsWindowAsItWasThrown)
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
