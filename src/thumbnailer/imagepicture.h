// A picture area in memory: the picture box's image without a window, for pictures nobody watches.
#pragma once

#include "screen/picturearea.h"

#include <QImage>

class ImagePicture final : public screen::PictureArea
{
public:
    ImagePicture(int width, int height);

    void Cls() override;
    // Pixels outside the area are ignored.
    void PSet(int x, int y, screen::Colour colour) override;

    const QImage &image() const { return picture; }

private:
    QImage picture;
};
