// The drawing operations a picture area offers: clear to its background and set one pixel.
#pragma once

#include "screen/colour.h"

namespace screen {

class PictureArea
{
public:
    virtual ~PictureArea() = default;

    // The whole area shows its background colour.
    virtual void Cls() = 0;
    // Pixel (x, y), (0, 0) top-left, takes the colour; it is on screen no later than the end
    // of the next event processing.
    virtual void PSet(int x, int y, Colour colour) = 0;
};

} // namespace screen
