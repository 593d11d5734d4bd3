// The picture box: a retained image painted one area pixel per logical pixel, never smoothed.
#include "platform/controls/picturebox.h"

#include <QPaintEvent>
#include <QPainter>

namespace platform {

namespace {

QRgb toQRgb(Colour colour)
{
    return qRgb(redOf(colour), greenOf(colour), blueOf(colour));
}

} // namespace

PictureBox::PictureBox(int width, int height, QWidget *parent)
    : QWidget(parent)
    , picture(width, height, QImage::Format_RGB32)
{
    setFixedSize(width, height);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted from the image, so Qt need not clear behind it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    Cls();
}

void PictureBox::setBackColor(Colour colour)
{
    backColour = colour;
    Cls();
}

void PictureBox::Cls()
{
    picture.fill(toQRgb(backColour));
    update();
}

void PictureBox::PSet(int x, int y, Colour colour)
{
    if (!picture.valid(x, y))
        return;
    picture.setPixel(x, y, toQRgb(colour));
    update(x, y, 1, 1);
}

QSize PictureBox::sizeHint() const
{
    return picture.size();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Without smoothing, a device pixel ratio above 1 enlarges each pixel to a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect();
    painter.drawImage(area, picture, area);
}

} // namespace platform
