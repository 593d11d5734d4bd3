// A build without any window system's own writer: every window is flushed by its backing store.
#include "platform/drawing/windowpixelwriter.h"

namespace platform {

std::unique_ptr<WindowPixelWriter> WindowPixelWriter::forWindow(QWindow *)
{
    return nullptr;
}

} // namespace platform
