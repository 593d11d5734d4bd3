// The input probe: XTest fakes the input on its own X connection; the application sees it as real.
#include "inputprobe.h"

#include <QCoreApplication>
#include <QEvent>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <memory>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

long long now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// Shift on the X server's usual keyboard map: pressing it alone does nothing.
constexpr std::uint8_t ShiftKeycode = 50;

} // namespace

InputProbe::InputProbe(int x, int y) : x(x), y(y)
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputProbe::~InputProbe()
{
    stop();
}

bool InputProbe::eventFilter(QObject *, QEvent *event)
{
    if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) && sentAt.load() != 0 && handledAt.load() == 0)
        handledAt = now();
    return false;
}

void InputProbe::start()
{
    running = true;
    sender = std::thread([this] { send(); });
}

std::vector<double> InputProbe::stop()
{
    running = false;
    if (sender.joinable())
        sender.join();
    return latencies;
}

void InputProbe::send()
{
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    xcb_test_fake_input(connection.get(), XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, std::int16_t(x), std::int16_t(y), 0);
    xcb_set_input_focus(connection.get(), XCB_INPUT_FOCUS_POINTER_ROOT, XCB_INPUT_FOCUS_POINTER_ROOT, XCB_CURRENT_TIME);
    xcb_flush(connection.get());
    std::mt19937 random(7);
    bool click = true;
    while (running) {
        std::this_thread::sleep_for(std::chrono::milliseconds(3 + random() % 10));
        handledAt = 0;
        const auto [press, release, detail] = click ? std::tuple(XCB_BUTTON_PRESS, XCB_BUTTON_RELEASE, std::uint8_t(1))
                                                    : std::tuple(XCB_KEY_PRESS, XCB_KEY_RELEASE, ShiftKeycode);
        click = !click;
        xcb_test_fake_input(connection.get(), press, detail, XCB_CURRENT_TIME, root, 0, 0, 0);
        xcb_test_fake_input(connection.get(), release, detail, XCB_CURRENT_TIME, root, 0, 0, 0);
        sentAt = now();
        xcb_flush(connection.get());
        const auto limit = Clock::now() + std::chrono::seconds(2);
        while (handledAt.load() == 0 && running && Clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        if (handledAt.load() != 0)
            latencies.push_back((handledAt.load() - sentAt.load()) / 1e9);
        sentAt = 0;
    }
}
