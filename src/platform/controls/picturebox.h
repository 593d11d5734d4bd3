// The picture box: an area of exact pixels that keeps what was drawn on it, shown in crisp blocks.
#pragma once

#include "platform/controls/picturearea.h"

#include <QImage>
#include <QWidget>

#include <memory>

namespace platform {

class X11PixelWriter;

class PictureBox final : public QWidget, public PictureArea
{
    Q_OBJECT

public:
    // The area is width × height pixels, whatever size the box is given on screen.
    PictureBox(int width, int height, QWidget *parent = nullptr);
    ~PictureBox() override;

    Colour BackColor() const { return backColour; }
    // Changing the background colour clears the picture to it.
    void setBackColor(Colour colour);

    void Cls() override;
    // Pixels outside the area are ignored.
    void PSet(int x, int y, Colour colour) override;

    // The drawn picture at one image pixel per area pixel.
    const QImage &image() const { return picture; }
    // Each area pixel is shown as a square block of this many device pixels across: the largest
    // whole number at which the picture fits in the box.
    int blockSize() const { return blockSizeAt(devicePixelRatioF()); }

    QSize sizeHint() const override;

    // Whether pixels may be drawn straight into the window's backing store (on by default; it is
    // used only where it applies, see drawsDirectly()). Off, every pixel takes Qt's paint path.
    void setDirectDrawing(bool allowed) { directAllowed = allowed; }
    // Whether the next pixels will be drawn straight into the backing store.
    bool drawsDirectly() const;
    // Draws the pixels set since the last event processing now. With refreshedByRunTime set, the
    // run time promises to call it before every event processing, so the box posts no event.
    void Refresh();
    void setRefreshedByRunTime(bool promised) { refreshedByRunTime = promised; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Draws the pixels set since the last event processing into the window's backing store,
    // clipped to the part of the box that is not covered, and flushes exactly that to the screen.
    // stillDirect says that nothing can have changed since the pixels were set directly.
    void flushPending(bool stillDirect);
    // The part of the box, in its window's coordinates, that no other widget lies in front of.
    QRegion uncoveredRegion() const;
    // Whether all of target (in the window's coordinates) is uncovered: a quicker answer than the
    // region for the usual case, a few pixels with nothing in front.
    bool whollyUncovered(const QRect &target) const;
    // Calls clip with the rectangle of each of the box's parents, and cut with that of every widget
    // stacked in front of the box or of a parent, all in the window's coordinates.
    template <typename Clip, typename Cut> void forEachEdge(Clip &&clip, Cut &&cut) const;
    int blockSizeAt(qreal devicePixelRatio) const;
    // The part of the box, in its own coordinates, that may show the given area pixels.
    QRect boxRectOf(const QRect &pixels) const;

    QImage picture;
    Colour backColour = 0;
    bool directAllowed = true;
    bool refreshedByRunTime = false;
    QRect pending;            // area pixels set and not yet drawn directly
    bool collecting = false;  // pixels are being collected for the next event processing
    std::unique_ptr<X11PixelWriter> x11;
};

} // namespace platform
