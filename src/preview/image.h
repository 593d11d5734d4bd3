// A preview's pixels in plain memory, in a layout image libraries take as it is.
#pragma once

#include <cstdint>
#include <vector>

namespace preview {

// width × height pixels, row by row from the top, each 0xFFRRGGBB in the machine's own byte order:
// the layout of Qt's QImage::Format_RGB32 and Cairo's CAIRO_FORMAT_RGB24.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

} // namespace preview
