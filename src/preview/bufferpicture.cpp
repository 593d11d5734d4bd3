// The in-memory picture area: every pixel set lands in the buffer as 0xFFRRGGBB.
#include "preview/bufferpicture.h"

#include "screen/colour.h"

#include <algorithm>

namespace preview {

BufferPicture::BufferPicture(int width, int height, std::pmr::memory_resource *memory)
    : picture { width, height, std::pmr::vector<std::uint32_t>(std::size_t(width) * std::size_t(height), memory) }
{
    Cls();
}

void BufferPicture::Cls()
{
    std::fill(picture.pixels.begin(), picture.pixels.end(), screen::opaquePixelOf(screen::Rgb(0, 0, 0)));
}

void BufferPicture::PSet(int x, int y, screen::Colour colour)
{
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height)
        return;
    picture.pixels[std::size_t(y) * std::size_t(picture.width) + std::size_t(x)] = screen::opaquePixelOf(colour);
}

} // namespace preview
