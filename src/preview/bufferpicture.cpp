// The in-memory picture area: colours kept as set, and made 0xFFRRGGBB pixels when handed over.
#include "preview/bufferpicture.h"

#include "screen/colour.h"

#include <algorithm>
#include <utility>

namespace preview {

BufferPicture::BufferPicture(int width, int height)
    : width(width)
    , height(height)
    , colours(std::size_t(width) * std::size_t(height)) // zeros: every pixel black, as Cls leaves it
{
    static_assert(screen::Rgb(0, 0, 0) == 0);
}

void BufferPicture::Cls()
{
    std::fill(colours.begin(), colours.end(), screen::Rgb(0, 0, 0));
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
