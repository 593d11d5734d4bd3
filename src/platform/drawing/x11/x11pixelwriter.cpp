// The X11 pixel writer: PutImage requests on the window itself, so nothing comes back to wait for.
#include "platform/drawing/x11/x11pixelwriter.h"

#include <QGuiApplication>
#include <QImage>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <memory>

namespace platform {

namespace {

// Well below the 256 KiB that every X server takes in one request.
constexpr int MaxPixelsPerRequest = 16384;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Whether the window's visual keeps red, green and blue in the bytes QRgb keeps them in, 32 bits a
// pixel, in the client's byte order: then the picture's pixels go over as they are.
bool takesQRgb(xcb_connection_t *connection, xcb_window_t window, std::uint8_t &depth)
{
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr), &std::free);
    Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
    if (!attributes || !geometry || geometry->depth != 24)
        return false;
    depth = geometry->depth;
    const xcb_setup_t *setup = xcb_get_setup(connection);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || QSysInfo::ByteOrder != QSysInfo::LittleEndian)
        return false;
    bool thirtyTwoBits = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        thirtyTwoBits |= f.data->depth == 24 && f.data->bits_per_pixel == 32;
    if (!thirtyTwoBits)
        return false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s)) {
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d)) {
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
                if (v.data->visual_id == attributes->visual)
                    return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xFF0000
                        && v.data->green_mask == 0x00FF00 && v.data->blue_mask == 0x0000FF;
            }
        }
    }
    return false;
}

} // namespace

std::unique_ptr<WindowPixelWriter> WindowPixelWriter::forWindow(QWindow *window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto writer = std::make_unique<X11PixelWriter>(window);
    if (!writer->canWrite())
        return nullptr;
    return writer;
}

X11PixelWriter::X11PixelWriter(QWindow *window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window || !window->handle())
        return;
    connection = x11->connection();
    windowId = static_cast<std::uint32_t>(window->winId());
    if (!takesQRgb(connection, windowId, depth))
        return;
    gc = xcb_generate_id(connection);
    xcb_create_gc(connection, gc, windowId, 0, nullptr);
}

X11PixelWriter::~X11PixelWriter()
{
    if (gc != 0)
        xcb_free_gc(connection, gc);
}

void X11PixelWriter::put(const QImage &image, const QRegion &region)
{
    for (const QRect &part : region) {
        // In bands small enough for a request of the core protocol.
        const int bandRows = std::max(1, MaxPixelsPerRequest / part.width());
        for (int top = part.top(); top <= part.bottom(); top += bandRows) {
            const int rows = std::min(bandRows, part.bottom() + 1 - top);
            data.resize(std::size_t(part.width()) * std::size_t(rows));
            for (int y = 0; y < rows; ++y) {
                const auto *line = reinterpret_cast<const std::uint32_t *>(image.constScanLine(top + y)) + part.left();
                std::copy(line, line + part.width(), data.begin() + std::ptrdiff_t(y) * part.width());
            }
            xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, windowId, gc, std::uint16_t(part.width()), std::uint16_t(rows),
                          std::int16_t(part.left()), std::int16_t(top), 0, depth, std::uint32_t(data.size() * 4),
                          reinterpret_cast<const std::uint8_t *>(data.data()));
        }
    }
    xcb_flush(connection);
}

} // namespace platform
