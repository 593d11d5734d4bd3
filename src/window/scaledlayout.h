// The window's designed layout scaled by one factor, so that the picture is a whole number of device pixels.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

class ScaledLayout
{
public:
    // designed is the client area as designed.
    ScaledLayout(QWidget *client, QSize designed);

    // Places control at designed (relative to its parent) times the scale. A control whose parent
    // is the client area is also moved by the margin that centres the layout; the picture
    // control's rectangle is rounded outwards, so that it holds every device pixel of the picture.
    void add(QWidget *control, QRect designed);
    void addPicture(QWidget *control, QRect designed);

    // The smallest multiple at which the picture, m × its size in device pixels, is at least its
    // designed size at the device pixel ratio: 1 at 100 %, 2 at 125 % to 200 %, 3 at 250 %.
    static int startMultiple(qreal devicePixelRatio);
    // The largest multiple at which the whole scaled layout fits in available (at least 1).
    int fittingMultiple(QSize available, qreal devicePixelRatio) const;
    // The client area that holds the layout at multiple m exactly.
    QSize clientSize(int multiple, qreal devicePixelRatio) const;
    // The smallest window size, at least size, that is a whole number of device pixels each way.
    // A Wayland compositor scales a window's buffer to its logical size at a fractional scale, and
    // would resample (blur) any other, from the first row of the picture down.
    static QSize wholeInDevicePixels(QSize size, qreal devicePixelRatio);

    // Places every control for the client area's present size and device pixel ratio.
    void apply();

private:
    struct Placement
    {
        QWidget *control;
        QRect designed;
        bool outward;
    };

    QWidget *client;
    QSize designed;
    QList<Placement> placements;
};
