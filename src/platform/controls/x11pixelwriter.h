// Pixels put straight into an X11 window with one small request each time, when its format allows.
#pragma once

#include <QRegion>

#include <cstdint>
#include <vector>

class QImage;
class QWindow;
struct xcb_connection_t;

namespace platform {

class X11PixelWriter
{
public:
    // A writer for window, or one that cannot write (see canWrite()) when the window is not on
    // X11 or its pixels are not 24-bit colour stored in 32 bits in this machine's byte order.
    explicit X11PixelWriter(QWindow *window);
    ~X11PixelWriter();
    X11PixelWriter(const X11PixelWriter &) = delete;
    X11PixelWriter &operator=(const X11PixelWriter &) = delete;

    bool canWrite() const { return gc != 0; }
    QWindow *window() const { return target; }

    // Puts the parts of pixels that lie in region (both in the window's coordinates, in device
    // pixels), copied from image, and sends the requests at once.
    void put(const QImage &image, const QRegion &region);

private:
    QWindow *target;
    xcb_connection_t *connection = nullptr;
    std::uint32_t windowId = 0;
    std::uint32_t gc = 0;
    std::uint8_t depth = 0;
    std::vector<std::uint32_t> data; // the pixels of one request, kept for the next
};

} // namespace platform
