// The picture box: a fixed-size area of exact pixels that keeps what was drawn on it.
#pragma once

#include "platform/controls/picturearea.h"

#include <QImage>
#include <QWidget>

namespace platform {

class PictureBox final : public QWidget, public PictureArea
{
    Q_OBJECT

public:
    PictureBox(int width, int height, QWidget *parent = nullptr);

    Colour BackColor() const { return backColour; }
    // Changing the background colour clears the picture to it.
    void setBackColor(Colour colour);

    void Cls() override;
    // Pixels outside the area are ignored.
    void PSet(int x, int y, Colour colour) override;

    // The drawn picture at one image pixel per area pixel.
    const QImage &image() const { return picture; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture;
    Colour backColour = 0;
};

} // namespace platform
