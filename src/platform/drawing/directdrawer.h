// The fast way a picture box's new pixels reach the screen: straight into its window's backing
// store between frames, in blocks of whole device pixels, never over what lies in front of it.
#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QRegion>

#include <memory>

class QWidget;
class QWindow;

namespace platform {

class QtRunTime;
class WindowPixelWriter;

class DirectDrawer : public QObject
{
    Q_OBJECT

public:
    // Draws picture (kept by the caller, one pixel per picture pixel) as it lies in area, by its
    // block geometry; area paints it the same way when asked to.
    DirectDrawer(QWidget &area, const QImage &picture);
    ~DirectDrawer() override;

    // Whether pixels may be drawn directly at all (on by default). Off, every pixel takes Qt's
    // paint path.
    void setAllowed(bool allowed) { this->allowed = allowed; }
    // Whether the next pixels will be drawn directly: on a raster backing store that takes
    // painting between frames (X11, and the offscreen platform of the tests), on a shown window
    // whose store has its size, at any device pixel ratio.
    bool applies() const;

    // Takes area pixel (x, y), already in the box's image, to be drawn with the others when events
    // are next processed. Returns false, taking nothing, where direct drawing does not apply.
    bool take(int x, int y);
    // Draws the pixels taken since the last event processing, now.
    void draw();
    // Has runtime call draw() before every event processing, so that no event is posted per batch.
    void drawBeforeEventsOf(QtRunTime &runtime);

protected:
    bool event(QEvent *event) override;

private:
    // Draws the taken pixels; stillApplies says that nothing can have changed since they were taken.
    void drawTaken(bool stillApplies);
    // Asks the area to repaint the given picture pixels through Qt's paint cycle.
    void repaint(const QRect &pixels);
    // The part of the box, in its window's device pixels, that no other widget lies in front of.
    QRegion uncovered(qreal ratio) const;
    // Whether all of target (in the window's device pixels) is uncovered: a quicker answer than
    // the region for the usual case, a few pixels with nothing in front.
    bool whollyUncovered(const QRect &target, qreal ratio) const;
    // Calls clip with the rectangle of each of the box's parents, and cut with that of every widget
    // stacked in front of the box or of a parent, all in the window's device pixels: a parent's
    // rounded inwards, one in front rounded outwards, so that no device pixel it paints is touched.
    template <typename Clip, typename Cut> void forEachRectAround(qreal ratio, Clip &&clip, Cut &&cut) const;
    // The window system's own writer for the box's window, made once per window.
    WindowPixelWriter *writerFor(QWindow *window);

    QWidget &box;
    const QImage &picture;
    bool allowed = true;
    bool drawnBeforeEvents = false; // the run time calls draw(), so no event is posted
    QRect taken;                    // the area pixels taken and not yet drawn; empty when none are
    QWindow *writerWindow = nullptr;
    std::unique_ptr<WindowPixelWriter> writer;
};

} // namespace platform
