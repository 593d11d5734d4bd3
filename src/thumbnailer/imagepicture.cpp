// The in-memory picture area: every pixel set lands in a plain image.
#include "thumbnailer/imagepicture.h"

ImagePicture::ImagePicture(int width, int height)
    : picture(width, height, QImage::Format_RGB32)
{
    Cls();
}

void ImagePicture::Cls()
{
    picture.fill(Qt::black);
}

void ImagePicture::PSet(int x, int y, screen::Colour colour)
{
    if (picture.valid(x, y))
        picture.setPixel(x, y, qRgb(screen::redOf(colour), screen::greenOf(colour), screen::blueOf(colour)));
}
