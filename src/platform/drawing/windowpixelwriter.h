// The seam between drawing and a window system: pixels sent to a window by the system's own means.
#pragma once

#include <QRegion>

#include <memory>

class QImage;
class QWindow;

namespace platform {

class WindowPixelWriter
{
public:
    virtual ~WindowPixelWriter() = default;

    // Sends the parts of image that lie in region (both in the window's device pixels) to the
    // window at once.
    virtual void put(const QImage &image, const QRegion &region) = 0;

    // A writer for window, or none where the window system (or this build) has no way to send
    // pixels that beats the backing store's own flush, or where the window's format does not allow it.
    static std::unique_ptr<WindowPixelWriter> forWindow(QWindow *window);
};

} // namespace platform
