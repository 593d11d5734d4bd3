// A picture area in memory: the picture box's image without a window, for pictures nobody watches.
#pragma once

#include "platform/controls/picturearea.h"

#include <QImage>

class ImagePicture final : public platform::PictureArea
{
public:
    ImagePicture(int width, int height);

    void Cls() override;
    // Pixels outside the area are ignored.
    void PSet(int x, int y, platform::Colour colour) override;

    const QImage &image() const { return picture; }

private:
    QImage picture;
};
