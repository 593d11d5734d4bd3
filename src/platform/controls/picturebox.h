// The picture box: an area of exact pixels that keeps what was drawn on it, shown in crisp blocks.
#pragma once

#include "platform/drawing/blockgeometry.h"
#include "screen/picturearea.h"

#include <QImage>
#include <QWidget>

namespace platform {

class DirectDrawer;
class FramePacer;
class QtRunTime;

class PictureBox final : public QWidget, public screen::PictureArea
{
    Q_OBJECT

public:
    // The area is width × height pixels, whatever size the box is given on screen.
    PictureBox(int width, int height, QWidget *parent = nullptr);
    ~PictureBox() override;

    screen::Colour BackColor() const { return backColour; }
    // Changing the background colour clears the picture to it.
    void setBackColor(screen::Colour colour);

    void Cls() override;
    // Pixels outside the area are ignored.
    void PSet(int x, int y, screen::Colour colour) override;

    // The drawn picture at one image pixel per area pixel.
    const QImage &image() const { return picture; }
    // Where the picture lies in its window: each area pixel a square block of whole device
    // pixels, the largest at which the picture fits in the box.
    BlockGeometry blocks() const { return BlockGeometry::inWindow(*this, picture.size()); }

    QSize sizeHint() const override;

    // Whether pixels may be drawn straight into the window's backing store (on by default; it is
    // used only where it applies, see drawsDirectly()). Off, every pixel takes Qt's paint path.
    void setDirectDrawing(bool allowed);
    // Whether the next pixels will be drawn straight into the backing store.
    bool drawsDirectly() const;
    // Attaches the box to the run time that paces its drawing: the pixels set since the last event
    // processing are drawn just before the next, with no event of their own.
    void drawBeforeEventsOf(QtRunTime &runtime);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture;
    screen::Colour backColour = 0;
    DirectDrawer *drawer; // a child of the box
    FramePacer *pacer;    // a child of the box
};

} // namespace platform
