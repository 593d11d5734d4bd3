// A picture area in memory: the last colour of every pixel, and a count of pixels set outside it.
#pragma once

#include "screen/picturearea.h"
#include "support/screendecode.h"

#include <algorithm>
#include <vector>

namespace testsupport {

class MemoryPicture : public screen::PictureArea
{
public:
    static constexpr int Width = 256, Height = 192;

    void Cls() override { std::fill(pixels.begin(), pixels.end(), Rgb {}); }
    void PSet(int x, int y, screen::Colour colour) override
    {
        if (x < 0 || x >= Width || y < 0 || y >= Height) {
            ++outside;
            return;
        }
        pixels[static_cast<std::size_t>(y * Width + x)] = { screen::redOf(colour), screen::greenOf(colour), screen::blueOf(colour) };
    }

    std::vector<Rgb> pixels = std::vector<Rgb>(Width * Height);
    int outside = 0;
};

} // namespace testsupport
