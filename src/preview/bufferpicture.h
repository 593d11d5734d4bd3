// A picture area in plain memory: where the renderer draws a picture that nobody watches being built.
#pragma once

#include "preview/image.h"
#include "screen/picturearea.h"

namespace preview {

class BufferPicture final : public screen::PictureArea
{
public:
    BufferPicture(int width, int height);

    // Every pixel black, the background of a picture not yet drawn.
    void Cls() override;
    // Pixels outside the area are ignored. Defined here, so that the renderer drawn for this final
    // class sets each pixel without a call.
    void PSet(int x, int y, screen::Colour colour) override
    {
        if (unsigned(x) >= unsigned(width) || unsigned(y) >= unsigned(height)) // negatives wrap to the top
            return;
        colours[std::size_t(y) * std::size_t(width) + std::size_t(x)] = colour;
    }

    // The picture drawn, its colours turned into pixels in place and handed over; the area is
    // empty afterwards.
    Image takeImage();

private:
    int width;
    int height;
    // The colours as the renderer packs them, one for each pixel, row by row from the top. Every
    // pixel is set two or three times while a picture is drawn, so each colour becomes a pixel of
    // the image only once, when the picture is handed over.
    std::vector<screen::Colour> colours;
};

} // namespace preview
