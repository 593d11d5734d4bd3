// The in-memory picture area: colours kept as set, and made 0xFFRRGGBB pixels when handed over.
#include "preview/bufferpicture.h"

#include "screen/colour.h"

#include <algorithm>
#include <utility>

namespace preview {

BufferPicture::BufferPicture(int width, int height, std::pmr::memory_resource *memory)
    : width(width)
    , height(height)
    , colours(std::size_t(width) * std::size_t(height), memory)
{
    Cls();
}

void BufferPicture::Cls()
{
    std::fill(colours.begin(), colours.end(), screen::Rgb(0, 0, 0));
}

void BufferPicture::PSet(int x, int y, screen::Colour colour)
{
    if (unsigned(x) >= unsigned(width) || unsigned(y) >= unsigned(height)) // negatives wrap to the top
        return;
    colours[std::size_t(y) * std::size_t(width) + std::size_t(x)] = colour;
}

Image BufferPicture::takeImage()
{
    std::transform(colours.begin(), colours.end(), colours.begin(), screen::opaquePixelOf);
    Image picture { width, height, std::move(colours) };
    width = height = 0;
    colours.clear();
    return picture;
}

} // namespace preview
