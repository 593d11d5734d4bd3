// The least drawing: a plain window sent one pixel per yield, for the bound below any renderer.
#include "leastdrawing.h"

#include "platform/runtime/qtruntime.h"
#include "screen/screenlayout.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace {

// A plain widget that paints the blocks asked for, in the colour of each pixel's place.
class BlockWidget : public QWidget
{
protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter(this).fillRect(event->rect(), event->rect().x() & 1 ? Qt::lightGray : Qt::black);
    }
};

} // namespace

double leastDrawingSeconds(int block)
{
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    BlockWidget window;
    window.resize(screen::ScreenWidth * block, screen::ScreenHeight * block);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was never shown");
    if (wayland) // the picture's size in device pixels, as the viewer's is
        window.resize(QSizeF(screen::ScreenWidth * block / window.devicePixelRatioF(), screen::ScreenHeight * block / window.devicePixelRatioF()).toSize());
    // Without an X server (offscreen) nothing is sent: what is left is the event processing. On
    // Wayland the plain widget shows each block through Qt's paint cycle, as widgets do.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_gcontext_t gc = connection ? xcb_generate_id(connection) : 0;
    if (connection)
        xcb_create_gc(connection, gc, id, 0, nullptr);

    platform::QtRunTime runtime;
    std::vector<std::uint32_t> pixels;
    const auto start = std::chrono::steady_clock::now();
    for (int y = 0; y < screen::ScreenHeight; ++y) {
        for (int x = 0; x < screen::ScreenWidth; ++x) {
            if (connection) {
                pixels.assign(std::size_t(block * block), (x ^ y) & 1 ? 0xFFCDCDCDu : 0xFF000000u);
                xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, id, gc, std::uint16_t(block), std::uint16_t(block), std::int16_t(x * block),
                              std::int16_t(y * block), 0, 24, std::uint32_t(pixels.size() * 4), reinterpret_cast<const std::uint8_t *>(pixels.data()));
                xcb_flush(connection);
            } else if (wayland) {
                const qreal ratio = window.devicePixelRatioF();
                window.update(QRectF(x * block / ratio, y * block / ratio, block / ratio, block / ratio).toAlignedRect());
            }
            runtime.doEvents();
            runtime.Sleep(0);
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (connection)
        xcb_free_gc(connection, gc);
    return seconds;
}
