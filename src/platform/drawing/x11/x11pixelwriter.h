// Pixels put straight into an X11 window with one small request each time, when its format allows.
// The only code of the program that speaks to the X server.
#pragma once

#include "platform/drawing/windowpixelwriter.h"

#include <cstdint>
#include <vector>

class QImage;
class QWindow;
struct xcb_connection_t;

namespace platform {

class X11PixelWriter final : public WindowPixelWriter
{
public:
    // A writer for window, or one that cannot write (see canWrite()) when the window is not on
    // X11 or its pixels are not 24-bit colour stored in 32 bits in this machine's byte order.
    explicit X11PixelWriter(QWindow *window);
    ~X11PixelWriter() override;
    X11PixelWriter(const X11PixelWriter &) = delete;
    X11PixelWriter &operator=(const X11PixelWriter &) = delete;

    bool canWrite() const { return gc != 0; }
    void put(const QImage &image, const QRegion &region) override;

private:
    xcb_connection_t *connection = nullptr;
    std::uint32_t windowId = 0;
    std::uint32_t gc = 0;
    std::uint8_t depth = 0;
    std::vector<std::uint32_t> data; // the pixels of one request, kept for the next
};

} // namespace platform
