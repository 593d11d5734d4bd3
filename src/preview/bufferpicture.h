// A picture area in plain memory: where the renderer draws a picture that nobody watches being built.
#pragma once

#include "preview/image.h"
#include "screen/picturearea.h"

#include <utility>

namespace preview {

class BufferPicture final : public screen::PictureArea
{
public:
    // The pixels take their memory from memory.
    BufferPicture(int width, int height, std::pmr::memory_resource *memory = std::pmr::get_default_resource());

    // Every pixel black, the background of a picture not yet drawn.
    void Cls() override;
    // Pixels outside the area are ignored.
    void PSet(int x, int y, screen::Colour colour) override;

    // The picture drawn, handed over; the area is empty afterwards.
    Image takeImage() { return std::move(picture); }

private:
    Image picture;
};

} // namespace preview
